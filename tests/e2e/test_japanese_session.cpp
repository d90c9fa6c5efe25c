// A Japanese session end to end (run with TARVELL_LANG=ja): the program shows its
// Japanese texts, applies a change, and opens a password dialog in Japanese. The
// texts expected are read from the program file's own table in this session's
// language, so a program that fell back to English fails.
#include "WinPath.h"
#include "ZepTest.h"
#include "page_post_ids.h"
#include "password_ids.h"

namespace {

using namespace e2e;

class JapaneseSession : public ZepTest {
protected:
    static std::string ProgramText(UINT id) {
        HMODULE program =
            LoadLibraryExA(WindowsPathOf(ZepPath()).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        char text[256] = "";
        LoadStringA(program, id, text, sizeof text);
        FreeLibrary(program);
        return text;
    }
    static void ClearSilentBoot(sim::BiosSettings& s) { s.silentBoot = 0; }
};

TEST_F(JapaneseSession, ChangeApplyAndPasswordDialogInJapanese) {
    ASSERT_EQ(LANG_JAPANESE, PRIMARYLANGID(GetUserDefaultUILanguage()))
        << "this test needs a Japanese session (TARVELL_LANG=ja)";
    ASSERT_TRUE(sim_.Change(ClearSilentBoot));
    ASSERT_NE(StartToSheet(), nullptr);

    ASSERT_TRUE(sheet_.SelectPage(zepui::kPostPage));
    HWND silentBoot = sheet_.PageControl(zepui::kSilentBootBox);
    EXPECT_EQ(ProgramText(IDS_SILENT_BOOT), TextOf(silentBoot));
    ASSERT_TRUE(Click(silentBoot));
    ASSERT_TRUE(sheet_.PressApply());
    EXPECT_EQ(1, sim_.Settings().silentBoot);

    ASSERT_TRUE(sheet_.SelectPage(zepui::kPasswordPage));
    ASSERT_TRUE(ClickLater(sheet_.PageControl(zepui::kChangeSetupButton)));
    HWND dialog = WaitForDialogTitled(ProgramText(IDS_CHANGE_SETUP_PASSWORD).c_str());
    ASSERT_NE(dialog, nullptr);
    PostCommand(dialog, IDCANCEL);
    EXPECT_TRUE(WaitUntilGone(dialog, kWindowMs));
    EXPECT_TRUE(sheet_.PressCancel());
    EXPECT_TRUE(EndsWithoutDialog());
}

} // namespace
