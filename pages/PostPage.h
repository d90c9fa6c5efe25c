// CPostPage: the "POST" page. Switches the memory test during the power-on self
// test and the silent boot. Values are read when the page is first shown, kept as
// pending until the sheet applies them, and can be written again on "Load
// Previous BIOS Settings".
#pragma once

#include "MyPropertyPage.h"
#include "PaletteBitmap.h"
#include "PostOptionBytes.h"

class CPostPage : public CMyPropertyPage {
public:
    CPostPage();

    // Writes what is pending, silent boot first. Return 1 when the page had changes
    // (any change here wants a restart), else 0.
    int ApplySettings() override;
    // Writes the last applied values again, memory test first, then reloads the
    // page. Nothing while the page was never shown.
    void RestorePreviousSettings() override;

protected:
    // Binds the picture control.
    void DoDataExchange(CDataExchange* pDX) override;
    // Return TRUE. Picture, title, texts, then both options from the BIOS.
    BOOL OnInitDialog() override;
    // Return true when handled: clicks on the two check boxes.
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    // Shows both options as the BIOS has them now; a failed read leaves its box.
    void ReadFromBios();
    // Reads the page again: boxes from the BIOS, nothing pending or remembered.
    void ReloadFromBios();

    CPaletteBitmap m_picture;
    PostOptionBytes m_options; // the pending and applied bytes of both options
};
