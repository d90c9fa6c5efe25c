#include "Controls.h"

#include "Poll.h"
#include "Windows.h"

#include <commctrl.h>

#include <cstddef>

namespace e2e {

namespace {

LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0, bool* ok = nullptr) {
    DWORD_PTR result = 0;
    const bool answered =
        SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWindowMs, &result) != 0;
    if (ok)
        *ok = answered;
    return answered ? static_cast<LRESULT>(result) : -1;
}

bool NotifyScroll(HWND slider, WORD code, int position) {
    bool ok = false;
    Ask(GetParent(slider), WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(slider),
        &ok);
    return ok;
}

} // namespace

int SelectedIndex(HWND combo) {
    return static_cast<int>(Ask(combo, CB_GETCURSEL));
}

std::string ItemText(HWND combo, int index) {
    // Between processes the item text travels as UTF-16 whichever API asks for it.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0, SMTO_NORMAL,
                             kWindowMs, &length) ||
        static_cast<LRESULT>(length) < 0 || length > 255)
        return "";
    wchar_t wide[256] = L"";
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(wide), SMTO_NORMAL, kWindowMs, &copied))
        return "";
    char text[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

bool ChooseItem(HWND combo, int index) {
    if (combo == nullptr || !Enabled(combo) || Ask(combo, CB_SETCURSEL, index) != index)
        return false;
    bool ok = false;
    const int id = GetDlgCtrlID(combo);
    Ask(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
        reinterpret_cast<LPARAM>(combo), &ok);
    return ok;
}

SliderState SliderOf(HWND slider) {
    SliderState state;
    state.min = static_cast<int>(Ask(slider, TBM_GETRANGEMIN));
    state.max = static_cast<int>(Ask(slider, TBM_GETRANGEMAX));
    state.pos = static_cast<int>(Ask(slider, TBM_GETPOS));
    state.ticks = static_cast<int>(Ask(slider, TBM_GETNUMTICS));
    state.pageSize = static_cast<int>(Ask(slider, TBM_GETPAGESIZE));
    state.lineSize = static_cast<int>(Ask(slider, TBM_GETLINESIZE));
    return state;
}

bool DragThumbTo(HWND slider, int position) {
    bool ok = false;
    Ask(slider, TBM_SETPOS, TRUE, position, &ok);
    return ok && NotifyScroll(slider, TB_THUMBTRACK, position);
}

bool ReleaseThumbAt(HWND slider, int position) {
    return NotifyScroll(slider, TB_THUMBPOSITION, position) && NotifyScroll(slider, TB_ENDTRACK, 0);
}

std::vector<ListRow> ListRows(HWND list) {
    // LVM_GETITEMTEXT is not marshalled between processes: the item structure and the
    // text buffer have to live in the list's process.
    std::vector<ListRow> rows;
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process)
        return rows;
    struct Remote {
        LVITEMA item;
        char text[256];
    };
    char* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE));
    const int count = static_cast<int>(Ask(list, LVM_GETITEMCOUNT));
    for (int index = 0; remote && index < count; ++index) {
        std::string cells[2];
        for (int column = 0; column < 2; ++column) {
            Remote local = {};
            local.item.iSubItem = column;
            local.item.pszText = remote + offsetof(Remote, text);
            local.item.cchTextMax = sizeof local.text;
            bool ok = WriteProcessMemory(process, remote, &local, sizeof local, nullptr) != 0;
            if (ok)
                Ask(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(remote), &ok);
            if (ok && ReadProcessMemory(process, remote + offsetof(Remote, text), local.text,
                                        sizeof local.text, nullptr)) {
                local.text[sizeof local.text - 1] = '\0';
                cells[column] = local.text;
            }
        }
        rows.emplace_back(cells[0], cells[1]);
    }
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rows;
}

} // namespace e2e
