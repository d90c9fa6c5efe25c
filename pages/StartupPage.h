// CStartupPage: the "Boot Sequence" page. Chooses one of four orders of drive A and
// drive C, and whether the CD-ROM boots before them. The BIOS's list is read when
// the page is first shown; the whole list the user chose is written on Apply.
#pragma once

#include "BootOrderState.h"
#include "Controls.h"
#include "MyPropertyPage.h"
#include "PaletteBitmap.h"

class CStartupPage : public CMyPropertyPage {
public:
    CStartupPage();

    // Writes the list the user chose. Return 1 when a list was written (any
    // change here wants a restart), else 0. A list without any drive is not written:
    // the page then shows the BIOS's list again.
    int ApplySettings() override;
    // Writes the list the last apply wrote again, then reloads the page. Nothing
    // while the page was never shown.
    void RestorePreviousSettings() override;

protected:
    // Binds the sequence list and the picture.
    void DoDataExchange(CDataExchange* pDX) override;
    // Return TRUE. Picture, title, texts, the four orders, then the BIOS's list.
    BOOL OnInitDialog() override;
    // Return true when handled: the CD-ROM box and the sequence list.
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // Shows the BIOS's list: the box always, the order when the list has one of the
    // four. A failed read changes nothing.
    void ReadFromBios();

    CComboBox m_sequenceCombo;
    CPaletteBitmap m_picture;
    BootOrderState m_state; // pending and applied choices
};
