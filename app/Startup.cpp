#include "Startup.h"

#include "BiosCatalogue.h"
#include "DriverChannel.h"
#include "WinApp.h"
#include "app_ids.h"

BOOL RunStartup(StartupUi& ui) {
    char title[256];
    LoadResourceString(IDS_PRODUCT_NAME, title, sizeof title);

    if (HWND running = ui.FindRunningCopy(title)) {
        ui.BringForward(running);
        return FALSE;
    }
    if (!OpenDriver()) {
        ui.ShowMessage(IDS_NO_SERVICE);
        return FALSE;
    }
    uint8_t code = 0;
    uint16_t version = 0;
    if (!VESKCheck(&code, &version)) {
        ui.ShowMessage(IDS_BAD_BIOS_VERSION);
        CloseDriver();
        return FALSE;
    }
    uint8_t answer = 0;
    if (AskSetupPasswd(&answer) && !ui.AskForSetupPassword()) {
        CloseDriver();
        return FALSE;
    }
    SetHotkeyButton(0);
    ui.EnableControls3d();
    ui.RunSheet(title);
    SetHotkeyButton(1);
    CloseDriver();
    return FALSE;
}
