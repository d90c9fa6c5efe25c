#include "ScanCodeEdit.h"

#include "KeyboardLayout.h"
#include "ScanCodeRules.h"

#include <cstring>

namespace {

// What the edit holds for each recorded key instead of the typed character.
constexpr WPARAM kStandInCharacter = '*';

uint8_t ScanCodeOf(LPARAM keyData) {
    return static_cast<uint8_t>((static_cast<DWORD>(keyData) >> 16) & 0xFF);
}

// true when the message is to be kept from the edit.
bool Act(KeyVerdict verdict) {
    if (verdict == KeyVerdict::BeepAndDrop)
        ::MessageBeep(MB_ICONEXCLAMATION);
    return verdict != KeyVerdict::PassOn;
}

} // namespace

CScanCodeEdit::CScanCodeEdit() {
    Clear();
}

CScanCodeEdit::~CScanCodeEdit() {
    WipeEntry(m_entry);
}

void CScanCodeEdit::SetEntry(const PasswordEntry& entry) {
    m_entry.enabled = entry.enabled;
    m_entry.length = ValidLength(entry);
    std::memcpy(m_entry.codes, entry.codes, sizeof m_entry.codes);
    m_entry.modified = 0;
}

void CScanCodeEdit::GetEntry(PasswordEntry& entry) const {
    entry = m_entry;
}

void CScanCodeEdit::Clear() {
    WipeEntry(m_entry);
}

bool CScanCodeEdit::OnChar(UINT character, LPARAM keyData) {
    const KeyVerdict verdict =
        JudgeChar(m_entry, character, ScanCodeOf(keyData), TranslateScanCode);
    if (verdict == KeyVerdict::PassOn) {
        m_bOwnChange = true;
        if (character != kBackspaceChar) {
            // The edit shows a mask character either way; a stand-in keeps the typed
            // character out of the edit's own text buffer.
            CallOwnProcedure(WM_CHAR, kStandInCharacter, keyData);
            return true;
        }
    }
    return Act(verdict);
}

bool CScanCodeEdit::OnKeyDown(UINT virtualKey, LPARAM) {
    return Act(JudgeKeyDown(virtualKey));
}

bool CScanCodeEdit::OnKeyUp(UINT virtualKey, LPARAM) {
    return Act(JudgeKeyUp(virtualKey));
}

bool CScanCodeEdit::OnSetFocus(HWND) {
    Default();
    RestartEntry();
    return true;
}

bool CScanCodeEdit::OnLButtonDown(UINT, POINT) {
    Default();
    RestartEntry();
    return true;
}

bool CScanCodeEdit::OnContextMenu(HWND, POINT) {
    return true;
}

bool CScanCodeEdit::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
        result = 0;
        return true;
    case WM_LBUTTONDBLCLK: // would select part of the masks
        Default();
        RestartEntry();
        result = 0;
        return true;
    case WM_MOUSEMOVE: // dragging would select part of the masks
        if (!(wParam & MK_LBUTTON))
            return false;
        result = 0;
        return true;
    case WM_SYSKEYDOWN: // Alt+Backspace is the edit's undo key
        if (wParam != VK_BACK)
            return false;
        result = 0;
        return Act(KeyVerdict::BeepAndDrop);
    default:
        return false;
    }
}

LRESULT CScanCodeEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_nDepth > 0)
        return CEdit::WindowProc(message, wParam, lParam);
    ++m_nDepth;
    m_bOwnChange = false;
    const FieldView before = View();
    const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
    if (!m_bOwnChange && m_hWnd != nullptr && !(View() == before))
        RestartEntry();
    --m_nDepth;
    return result;
}

CScanCodeEdit::FieldView CScanCodeEdit::View() const {
    return {SendMessage(WM_GETTEXTLENGTH), SendMessage(EM_GETSEL)};
}

void CScanCodeEdit::RestartEntry() {
    if (!IsWindowVisible())
        return;
    m_bOwnChange = true;
    m_entry.length = 0;
    SetSel(0, -1);
}
