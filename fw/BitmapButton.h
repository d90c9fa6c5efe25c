// CBitmapButton: an owner-drawn push button showing bitmaps instead of text. AutoLoad
// takes the button's caption NAME and loads the bitmap resources NAMEU (up), NAMED
// (pressed), NAMEF (focused) and NAMEX (disabled); the button is sized to the up
// picture. A missing pressed/focused/disabled picture falls back to the up one.
#pragma once

#include "Controls.h"

class CBitmapButton : public CButton {
public:
    ~CBitmapButton() override;
    // Binds control controlId of parent and loads its pictures; false when the control
    // or the up picture is missing (the button then stays a plain button).
    bool AutoLoad(int controlId, HWND parent);

protected:
    // Draws the picture for the button's state.
    bool OnDrawItem(DRAWITEMSTRUCT* item) override;

private:
    void FreeBitmaps();
    HBITMAP m_hUp = nullptr;
    HBITMAP m_hDown = nullptr;
    HBITMAP m_hFocus = nullptr;
    HBITMAP m_hDisabled = nullptr;
};
