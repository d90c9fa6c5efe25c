// CDisplayPage: the "Display Device" page. The boot display device waits for Apply
// like every other setting; the switching display device, the brightness and the
// contrast go to the BIOS the moment the user changes them.
#pragma once

#include "BootDisplayState.h"
#include "Controls.h"
#include "DisplayLevels.h"
#include "MyPropertyPage.h"
#include "PaletteBitmap.h"

#include <initializer_list>

class CDisplayPage : public CMyPropertyPage {
public:
    CDisplayPage();

    // Writes the pending boot display device. Return 1 when the page had a change
    // (a boot display change wants a restart), else 0.
    int ApplySettings() override;
    // Writes the boot display device the last apply wrote again, then re-reads it.
    // Nothing while the page was never shown.
    void RestorePreviousSettings() override;

protected:
    // Binds the picture and the two sliders.
    void DoDataExchange(CDataExchange* pDX) override;
    // Return TRUE. Picture, title, texts, then everything from the BIOS.
    BOOL OnInitDialog() override;
    // Return true when handled: the five radio buttons.
    bool OnCommand(UINT id, UINT code, HWND control) override;
    // Return true when handled: every notification of either slider sends its level.
    bool OnHScroll(UINT code, UINT position, HWND bar) override;

private:
    // Ranges, boot display, switching device with its levels, panel type.
    void ReadFromBios();
    // Re-reads the boot display device; nothing pending or remembered afterwards.
    void ReloadBootDisplay();
    // Enables the level controls and shows both levels as the BIOS has them now.
    void RefreshLevels();
    // Shows, hides, enables or disables the label and slider of brightness and contrast.
    void ShowLevelControls(bool brightness, bool contrast, int command);
    void EnableLevelControls(BOOL enable);
    // Label and slider of one level, the label reading string formatId with level.
    void ShowLevel(int labelId, CSliderCtrl& slider, UINT formatId, uint8_t level);
    // The external monitor or both was picked: switch to device when a monitor is
    // connected, else put the choice back to the panel and say why.
    void SwitchWithMonitor(int buttonId, uint8_t device);
    // Checks one radio button of a pair or trio and clears the others.
    void CheckOnly(int checkedId, std::initializer_list<int> clearedIds);

    CPaletteBitmap m_picture;
    CSliderCtrl m_brightnessSlider;
    CSliderCtrl m_contrastSlider;
    BootDisplayState m_bootDisplay; // pending and applied boot display code
    DisplayRanges m_ranges = {};
    bool m_bRangesKnown = false;
};
