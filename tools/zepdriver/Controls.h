// The common controls of a program under test, read and worked from another process:
// drop-down lists, trackbars and report lists.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace e2e {

// A drop-down list: the selected index (-1 for none), the text of an item, and
// choosing an item as the user does (the list's owner hears of the change).
int SelectedIndex(HWND combo);
std::string ItemText(HWND combo, int index);
bool ChooseItem(HWND combo, int index);

// A trackbar's state.
struct SliderState {
    int min = -1, max = -1, pos = -1, ticks = -1, pageSize = -1, lineSize = -1;
};
SliderState SliderOf(HWND slider);
// What a trackbar sends its owner while the user drags its thumb: the thumb moves to
// position and a TB_THUMBTRACK notification follows. Returns once handled.
bool DragThumbTo(HWND slider, int position);
// The thumb let go at position: TB_THUMBPOSITION, then TB_ENDTRACK.
bool ReleaseThumbAt(HWND slider, int position);

// Every row of a report list, as the texts of its first two columns.
using ListRow = std::pair<std::string, std::string>;
std::vector<ListRow> ListRows(HWND list);

} // namespace e2e
