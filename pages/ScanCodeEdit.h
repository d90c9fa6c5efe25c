// CScanCodeEdit: a masked entry field that records the scan code of every accepted
// key (at most seven), never the characters. Bound to a password-style edit of a
// dialog, which shows one mask character per recorded key.
//
// The masks and the recorded codes stay in step by one rule: the edit's text and
// selection change only through the control's own handling (an accepted key, the
// backspace that takes one back, a new entry). Any other change, whatever made it
// (Ctrl+A, Delete, the mouse, a message from outside), starts a new entry as a focus
// change does.
#pragma once

#include "Controls.h"
#include "PasswordEntry.h"

class CScanCodeEdit : public CEdit {
public:
    CScanCodeEdit();
    // Wipes the recorded codes.
    ~CScanCodeEdit() override;

    // Takes enabled, length (as the count) and all eight code bytes; modified = 0.
    // The shown text is not touched.
    void SetEntry(const PasswordEntry& entry);
    // Copies enabled, modified, the count (as length) and all eight code bytes out.
    void GetEntry(PasswordEntry& entry) const;
    // Everything to 0, codes wiped. The shown text is not touched.
    void Clear();

protected:
    // Records or refuses one typed character (see ScanCodeRules.h). A recorded key
    // reaches the edit as a stand-in character, never as the one typed. true: the
    // edit's own handling is done or skipped.
    bool OnChar(UINT character, LPARAM keyData) override;
    // Keys that would move the caret or change a lock state beep and are dropped.
    bool OnKeyDown(UINT virtualKey, LPARAM keyData) override;
    bool OnKeyUp(UINT virtualKey, LPARAM keyData) override;
    // Focus or a click (also a double click) starts a new entry over the selected
    // old mask characters; dragging cannot select part of them.
    bool OnSetFocus(HWND previous) override;
    bool OnLButtonDown(UINT keys, POINT point) override;
    // No context menu: none of its items has a use in a password field.
    bool OnContextMenu(HWND window, POINT point) override;
    // The edit's own paste, cut, clear and undo (also Alt+Backspace) are ignored:
    // they would change the mask characters without a key to record.
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // Handles every message, then applies the rule above: when the text or the
    // selection is not what it was and the control did not change it, RestartEntry.
    // Messages the edit gets while one is being handled count as part of that one.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // What the rule compares: the number of mask characters and the selection.
    struct FieldView {
        LRESULT length;
        LRESULT selection;
        bool operator==(const FieldView& other) const {
            return length == other.length && selection == other.selection;
        }
    };
    FieldView View() const;
    // While the control is visible: count 0 and the whole text selected, so the
    // next accepted key replaces the old mask characters.
    void RestartEntry();

    PasswordEntry m_entry;
    // Depth of the messages being handled; the rule is applied at depth 1.
    int m_nDepth = 0;
    // The change of the message being handled is the control's own.
    bool m_bOwnChange = false;
};
