// The framework layer's own promises: bounded string loading, the application's
// names, control binding that survives repeated exchange and the window's end,
// handlers that see a subclassed control's messages, colour messages with their kind,
// and fonts that own their handle.
#include "Framework.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The edit's text after each character of typed has been sent to it as WM_CHAR.
std::string TypeInto(HWND edit, const char* typed) {
    for (const char* c = typed; *c; ++c)
        SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(*c), 0);
    char text[16] = {};
    GetWindowTextA(edit, text, sizeof text);
    return text;
}

TEST(Framework, LoadResourceStringIsBoundedAndAlwaysTerminated) {
    char text[8];
    std::memset(text, '#', sizeof text);
    EXPECT_EQ(3, LoadResourceString(230, text, 4));
    EXPECT_STREQ("Tar", text);

    std::memset(text, '#', sizeof text);
    EXPECT_EQ(0, LoadResourceString(9999, text, sizeof text));
    EXPECT_STREQ("", text) << "a missing string reads as empty";

    EXPECT_EQ(0, LoadResourceString(230, nullptr, 10));
    EXPECT_EQ(0, LoadResourceString(230, text, 0));
}

TEST(Framework, ApplicationNamesComeFromTheProgramFile) {
    EXPECT_EQ(nullptr, AfxGetApp());
    {
        CWinApp app;
        EXPECT_EQ(&app, AfxGetApp());
        app.InitNames(GetModuleHandleA(nullptr));
        EXPECT_STREQ("test_fw", app.m_szAppName);
        const std::string help = app.m_szHelpFilePath;
        ASSERT_GE(help.size(), 12u);
        EXPECT_EQ("\\test_fw.HLP", help.substr(help.size() - 12));
        EXPECT_EQ(nullptr, AfxGetMainWndHandle());
    }
    EXPECT_EQ(nullptr, AfxGetApp());
}

TEST(Framework, HelpRequestReachesTheApplicationAsTheHelpCommand) {
    struct HelpApp : CWinApp {
        UINT command = 0;
        bool OnCommand(UINT id) override {
            command = id;
            return true;
        }
    } app;
    EXPECT_TRUE(AfxRequestHelp(HID_BASE_RESOURCE + 131));
    EXPECT_EQ(ID_HELP, app.command);
    EXPECT_EQ(HID_BASE_RESOURCE + 131, app.m_dwHelpContext);
}

TEST(Framework, FontOwnsOneHandleAtATime) {
    LOGFONTA description = {};
    description.lfHeight = 30;
    std::strcpy(description.lfFaceName, "MS Sans Serif");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&description));
    HFONT first = font;
    LOGFONTA read = {};
    ASSERT_TRUE(font.GetLogFont(&read));
    EXPECT_EQ(30, read.lfHeight);

    description.lfHeight = 12;
    ASSERT_TRUE(font.CreateFontIndirect(&description));
    EXPECT_EQ(0, GetObjectA(first, sizeof read, &read)) << "the first font was deleted";
    font.DeleteObject();
    EXPECT_EQ(nullptr, font.GetSafeHandle());
    EXPECT_FALSE(font.GetLogFont(&read));
    EXPECT_FALSE(font.CreateFontIndirect(nullptr));
}

// An edit control object that drops the letter 'x' and counts focus gains.
class DroppingEdit : public CEdit {
public:
    int focusGains = 0;

protected:
    bool OnChar(UINT character, LPARAM) override { return character == 'x'; }
    bool OnSetFocus(HWND) override {
        Default();
        ++focusGains;
        return true;
    }
};

class WindowFramework : public ::testing::Test {
protected:
    void SetUp() override {
        m_parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                   nullptr, nullptr);
        if (m_parent == nullptr)
            GTEST_SKIP() << "no display: windows cannot be created";
        m_edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, m_parent,
                                 reinterpret_cast<HMENU>(1201), nullptr, nullptr);
        ASSERT_NE(nullptr, m_edit);
    }
    void TearDown() override {
        if (m_parent)
            DestroyWindow(m_parent);
    }
    HWND m_parent = nullptr;
    HWND m_edit = nullptr;
};

TEST_F(WindowFramework, BoundControlSeesItsMessagesAndDeclinedOnesReachTheControl) {
    DroppingEdit edit;
    CDataExchange exchange(m_parent, FALSE);
    DDX_Control(&exchange, 1201, edit);
    ASSERT_EQ(m_edit, edit.m_hWnd);
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(m_edit));

    EXPECT_EQ("ab", TypeInto(m_edit, "axb"));

    SendMessageA(m_edit, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(1, edit.focusGains);
}

TEST_F(WindowFramework, BindingAgainIsHarmlessAndTheWindowsEndUnbinds) {
    DroppingEdit edit;
    CDataExchange exchange(m_parent, TRUE);
    DDX_Control(&exchange, 1201, edit);
    DDX_Control(&exchange, 1201, edit);
    DDX_Control(&exchange, 4242, edit); // no such control: stays bound as it was
    EXPECT_EQ(m_edit, edit.m_hWnd);

    EXPECT_EQ("c", TypeInto(m_edit, "xc")) << "one subclass, not two";

    DestroyWindow(m_parent);
    m_parent = nullptr;
    EXPECT_EQ(nullptr, edit.m_hWnd);
    EXPECT_FALSE(edit.HasWindow());
}

TEST_F(WindowFramework, ObjectGoingAwayFirstLeavesTheControlWorking) {
    {
        DroppingEdit edit;
        ASSERT_TRUE(edit.SubclassDlgItem(1201, m_parent));
    }
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(m_edit));
    EXPECT_EQ("x", TypeInto(m_edit, "x"));
}

// A plain subclass installed on top of the framework's: it counts WM_CHAR.
WNDPROC g_belowCounter = nullptr;
int g_countedChars = 0;
LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR)
        ++g_countedChars;
    return CallWindowProcA(g_belowCounter, window, message, wParam, lParam);
}

TEST_F(WindowFramework, LaterSubclassKeepsItsChainWhenTheObjectLetsGo) {
    g_countedChars = 0;
    {
        DroppingEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(m_edit));
        g_belowCounter = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(m_edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
        SendMessageA(m_edit, WM_CHAR, 'x', 0);
    }
    EXPECT_EQ("x", TypeInto(m_edit, "x")) << "dropped while bound, typed after";
    EXPECT_EQ(2, g_countedChars);

    DroppingEdit again;
    ASSERT_TRUE(again.SubclassWindow(m_edit));
    EXPECT_EQ("x", TypeInto(m_edit, "x")) << "a new object is routed again";
    EXPECT_EQ(3, g_countedChars);
}

// Colours every control kind but buttons with its own brush, and records the kinds asked.
class ColouringParent : public CWnd {
public:
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    std::string kinds;

protected:
    bool OnCtlColor(HDC, HWND, UINT kind, HBRUSH& result) override {
        kinds += static_cast<char>('0' + kind);
        if (kind == CTLCOLOR_BTN)
            return false;
        result = brush;
        return true;
    }
};

TEST_F(WindowFramework, EveryColourMessageReachesOnCtlColorWithItsKind) {
    ColouringParent parent;
    ASSERT_TRUE(parent.SubclassWindow(m_parent));
    HDC dc = CreateCompatibleDC(nullptr);
    std::string answers;
    for (UINT message = WM_CTLCOLORMSGBOX; message <= WM_CTLCOLORSTATIC; ++message) {
        const LRESULT result = SendMessageA(m_parent, message, reinterpret_cast<WPARAM>(dc),
                                            reinterpret_cast<LPARAM>(m_edit));
        answers += result == reinterpret_cast<LRESULT>(parent.brush) ? 'B' : '-';
    }
    DeleteDC(dc);
    EXPECT_EQ("0123456", parent.kinds);
    EXPECT_EQ("BBB-BBB", answers) << "buttons (kind 3) get the default colours";
}

TEST_F(WindowFramework, ObjectBoundToOneWindowRefusesAnother) {
    HWND other = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 30, 100, 20, m_parent, nullptr,
                                 nullptr, nullptr);
    CEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(m_edit));
    EXPECT_FALSE(edit.SubclassWindow(other));
    EXPECT_EQ(m_edit, edit.m_hWnd);
    EXPECT_FALSE(edit.SubclassWindow(nullptr));
}

} // namespace
