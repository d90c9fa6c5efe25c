// Whether the texts of a window's controls fit their rectangles, measured as the
// controls draw them: with each control's own font and the GDI calls and margins
// of its class.
#pragma once

#include "Win32.h"

#include <string>
#include <vector>

namespace layout {

// One text that does not fit.
struct Clip {
    int controlId;
    std::string text;   // as the control holds it (active code page)
    std::string detail; // what it needs against what it has, in pixels
};

// Every clipped text of window's direct child controls: statics, buttons, check
// boxes, radio buttons, group boxes, combo box items, list view headers and cells.
std::vector<Clip> FindClippedTexts(HWND window);
// A dialog's caption against its title bar (id 0 when it does not fit).
std::vector<Clip> FindClippedCaption(HWND dialog);

} // namespace layout
