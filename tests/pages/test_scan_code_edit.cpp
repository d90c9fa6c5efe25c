// The scan-code entry on a real password edit control: what reaches the edit, what
// is recorded, and that nothing but a recorded key changes the mask characters.
#include "ChangePasswordDlg.h"
#include "ScanCodeEdit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr uint8_t kScanA = 0x1E, kScanS = 0x1F, kScanD = 0x20, kScanV = 0x2F, kScanX = 0x2D;
constexpr uint8_t kScanBackspace = 0x0E;

LPARAM KeyData(uint8_t scanCode) {
    return static_cast<LPARAM>(1 | (static_cast<DWORD>(scanCode) << 16));
}

class ScanCodeEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 100, nullptr, nullptr,
                                    nullptr, nullptr);
        ASSERT_TRUE(parent_);
        ::ShowWindow(parent_, SW_SHOWNOACTIVATE);
        HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_PASSWORD, 5, 5, 200,
                                      20, parent_, nullptr, nullptr, nullptr);
        ASSERT_TRUE(edit);
        ASSERT_TRUE(edit_.SubclassWindow(edit));
    }
    void TearDown() override { ::DestroyWindow(parent_); }

    void Char(UINT character, uint8_t scanCode) {
        edit_.SendMessage(WM_CHAR, character, KeyData(scanCode));
    }
    int Shown() const { return ::GetWindowTextLengthA(edit_.m_hWnd); }
    PasswordEntry Entry() const {
        PasswordEntry entry;
        edit_.GetEntry(entry);
        return entry;
    }
    DWORD Selection() const { return static_cast<DWORD>(edit_.SendMessage(EM_GETSEL)); }
    void PutTextOnClipboard(const char* text) {
        ASSERT_TRUE(::OpenClipboard(parent_));
        ::EmptyClipboard();
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
        std::memcpy(::GlobalLock(memory), text, std::strlen(text) + 1);
        ::GlobalUnlock(memory);
        ::SetClipboardData(CF_TEXT, memory);
        ::CloseClipboard();
    }

    HWND parent_ = nullptr;
    CScanCodeEdit edit_;
};

TEST_F(ScanCodeEditTest, PasteCutClearAndUndoNeverChangeTheMaskCharacters) {
    PutTextOnClipboard("pasted");
    Char('a', kScanA);
    Char('s', kScanS);

    Char(0x16, kScanV); // Ctrl+V
    Char(0x18, kScanX); // Ctrl+X
    Char(0x1A, 0x2C);   // Ctrl+Z
    EXPECT_EQ(2, Shown());
    EXPECT_EQ(2, Entry().length);

    const UINT edits[] = {WM_PASTE, WM_CUT, WM_CLEAR, WM_UNDO, EM_UNDO};
    for (UINT message : edits) {
        edit_.SendMessage(message);
        EXPECT_EQ(2, Shown()) << "message 0x" << std::hex << message;
    }
    // Alt+Backspace, with the Alt flag where either kind of edit looks for it.
    edit_.SendMessage(WM_SYSKEYDOWN, VK_BACK, KeyData(kScanBackspace) | 0x20002000);
    EXPECT_EQ(2, Shown()) << "Alt+Backspace undoes in a plain edit";
    Char('d', kScanD);
    char text[16] = {};
    ::GetWindowTextA(edit_.m_hWnd, text, sizeof text);
    EXPECT_STREQ("***", text) << "the typed characters never reach the edit's buffer";
    const PasswordEntry entry = Entry();
    ASSERT_EQ(3, entry.length);
    EXPECT_EQ(0, std::memcmp("\x1E\x1F\x20", entry.codes, 3));

    edit_.SendMessage(EM_SETSEL, 0, -1); // the old masks selected: a new entry
    for (UINT message : edits) {
        edit_.SendMessage(message);
        EXPECT_EQ(3, Shown()) << "over a selection, message 0x" << std::hex << message;
    }
}

// The rule behind Ctrl+A, Delete and the rest (taken through X by the end-to-end
// keyboard-routes test): any change of the text or the selection that the control did
// not make itself, here requests from outside, starts a new entry.
TEST_F(ScanCodeEditTest, ChangesTheControlDidNotMakeStartANewEntry) {
    Char('a', kScanA);
    Char('s', kScanS);
    edit_.SendMessage(EM_SETSEL, 1, 1);
    EXPECT_EQ(0, Entry().length) << "a caret moved into the masks";
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 2)), Selection()) << "as after a focus change";
    Char('d', kScanD);
    EXPECT_EQ(1, Shown()) << "the next key replaced the masks";
    ASSERT_EQ(1, Entry().length);
    EXPECT_EQ(kScanD, Entry().codes[0]);

    edit_.ReplaceSel("**");
    EXPECT_EQ(0, Entry().length) << "masks put in from outside";
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 3)), Selection());
    ::SetWindowTextA(edit_.m_hWnd, "");
    Char('a', kScanA);
    EXPECT_EQ(1, Shown());
    EXPECT_EQ(1, Entry().length);
}

TEST_F(ScanCodeEditTest, CaretKeysNeverReachTheEdit) {
    Char('a', kScanA);
    Char('s', kScanS);
    const DWORD before = Selection();
    const UINT keys[] = {VK_LEFT, VK_HOME, VK_UP, VK_PRIOR, VK_INSERT, VK_SHIFT};
    for (UINT key : keys) {
        edit_.SendMessage(WM_KEYDOWN, key, KeyData(0));
        edit_.SendMessage(WM_KEYUP, key, KeyData(0) | 0xC0000000);
    }
    EXPECT_EQ(before, Selection());
    Char('d', kScanD);
    EXPECT_EQ(3, Shown());
}

TEST_F(ScanCodeEditTest, FocusOrClickStartsANewEntryOverTheSelectedMasks) {
    Char('a', kScanA);
    Char('s', kScanS);
    edit_.SendMessage(WM_SETFOCUS);
    PasswordEntry entry = Entry();
    EXPECT_EQ(0, entry.length);
    EXPECT_EQ(1, entry.modified) << "a restart leaves modified as it was";
    EXPECT_EQ(0, std::memcmp("\x1E\x1F", entry.codes, 2)) << "old codes stay in the buffer";
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 2)), Selection());
    Char('d', kScanD);
    EXPECT_EQ(1, Shown()) << "the new key replaced the selected masks";
    EXPECT_EQ(1, Entry().length);

    Char('a', kScanA);
    Char('s', kScanS);
    edit_.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    edit_.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(9, 3)); // a drag
    edit_.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(9, 3));
    EXPECT_EQ(0, Entry().length);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 3)), Selection());

    Char('d', kScanD);
    edit_.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    edit_.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(0, Entry().length);
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 1)), Selection());
}

TEST_F(ScanCodeEditTest, HiddenFieldKeepsItsCountOnFocus) {
    PasswordEntry loaded{};
    loaded.enabled = 1;
    loaded.modified = 1;
    loaded.length = 3;
    std::memcpy(loaded.codes, "\x10\x11\x12\x13\x14\x15\x16\x17", 8);
    ::ShowWindow(edit_.m_hWnd, SW_HIDE);
    edit_.SetEntry(loaded);
    edit_.SendMessage(WM_SETFOCUS);
    const PasswordEntry entry = Entry();
    EXPECT_EQ(1, entry.enabled);
    EXPECT_EQ(0, entry.modified);
    EXPECT_EQ(3, entry.length);
    EXPECT_EQ(0, std::memcmp(loaded.codes, entry.codes, 8)) << "all eight bytes travel";
    EXPECT_EQ(0, Shown()) << "loading an entry does not touch the text";

    edit_.Clear();
    const PasswordEntry zero{};
    const PasswordEntry cleared = Entry();
    EXPECT_EQ(0, std::memcmp(&zero, &cleared, sizeof zero));
}

// The storage an entry control or a change dialog lived in holds none of its codes.
template <typename Holder> bool CodesRemainAfterDestruction() {
    alignas(Holder) unsigned char storage[sizeof(Holder)];
    Holder* holder = new (storage) Holder();
    PasswordEntry secret{};
    secret.enabled = 1;
    secret.length = 7;
    std::memcpy(secret.codes, "\x13\x18\x1F\x14\x12\x17\x19", 7);
    holder->SetEntry(secret);
    holder->~Holder();
    return std::search(storage, storage + sizeof storage, secret.codes, secret.codes + 7) !=
           storage + sizeof storage;
}

TEST(PasswordWipeTest, DestroyedHoldersLeaveNoCodesBehind) {
    EXPECT_FALSE(CodesRemainAfterDestruction<CScanCodeEdit>());
    EXPECT_FALSE(CodesRemainAfterDestruction<CChangePasswordDlg>());
}

} // namespace
