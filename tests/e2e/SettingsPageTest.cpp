#include "SettingsPageTest.h"

#include <cstring>

namespace settingspages {

using namespace e2e;

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

void SettingsPageTest::OpenPage(int index) {
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.SelectPage(index)) << "the sheet has no page " << index;
}

std::vector<BiosRequest> SettingsPageTest::Requests(const std::string& name) {
    std::vector<BiosRequest> found;
    for (const BiosRequest& request : sim_.Log()) {
        if (request.name == name)
            found.push_back(request);
    }
    return found;
}

std::vector<BiosRequest> SettingsPageTest::LogThroughChecksum() {
    std::vector<BiosRequest> log;
    WaitUntil([&] { return CountOf(log = sim_.Log(), "CMOSChecksum") > 0; }, kWindowMs);
    return log;
}

::testing::AssertionResult SettingsPageTest::LoadPrevious() {
    sheet_.PostMenuCommand(kLoadPreviousCommand);
    HWND confirmation = WaitForDialogTitled(kLoadPreviousTitle);
    if (confirmation == nullptr)
        return ::testing::AssertionFailure() << "no \"" << kLoadPreviousTitle << "\" confirmation";
    if (!ClickLater(Control(confirmation, IDOK)) || !WaitUntilGone(confirmation, kWindowMs))
        return ::testing::AssertionFailure() << "the confirmation stayed open";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult SettingsPageTest::DeclineRestart() {
    HWND restart = WaitForDialogTitled(kRestartTitle);
    if (restart == nullptr)
        return ::testing::AssertionFailure() << "no restart prompt";
    if (!ClickLater(Control(restart, IDCANCEL)) || !WaitUntilGone(restart, kWindowMs))
        return ::testing::AssertionFailure() << "the restart prompt stayed open";
    return ::testing::AssertionSuccess();
}

std::vector<uint8_t> SettingsPageTest::HeldBootList() {
    const sim::BiosSettings settings = sim_.Settings();
    return std::vector<uint8_t>(settings.bootSequence, settings.bootSequence + 16);
}

::testing::AssertionResult SettingsPageTest::HoldBootList(const std::vector<uint8_t>& leading) {
    sim::BiosSettings settings = sim_.Settings();
    const std::vector<uint8_t> list = BootList(leading);
    std::memcpy(settings.bootSequence, list.data(), sizeof settings.bootSequence);
    if (!sim_.SetSettings(settings))
        return ::testing::AssertionFailure() << "the simulated BIOS did not take the list";
    return ::testing::AssertionSuccess();
}

std::vector<uint8_t> BootList(const std::vector<uint8_t>& leading) {
    std::vector<uint8_t> list(16, 0xFF);
    for (size_t i = 0; i < leading.size() && i < list.size(); ++i)
        list[i] = leading[i];
    return list;
}

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

} // namespace settingspages
