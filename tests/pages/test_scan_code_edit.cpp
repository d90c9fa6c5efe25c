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
    void TypeAS() {
        Char('a', kScanA);
        Char('s', kScanS);
    }
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
    TypeAS();
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

// The focus starts a new entry over all masks in a field the user sees, but not in a
// hidden one. (The other changes of text or selection the control did not make
// itself, Ctrl+A, Delete, Backspace over a selection, clicks and drags, go through X
// in the end-to-end keyboard-routes test.)
TEST_F(ScanCodeEditTest, FocusStartsANewEntryInAVisibleFieldOnly) {
    TypeAS();
    edit_.SendMessage(WM_SETFOCUS);
    PasswordEntry entry = Entry();
    EXPECT_EQ(0, entry.length);
    EXPECT_EQ(1, entry.modified) << "a restart leaves modified as it was";
    EXPECT_EQ(0, std::memcmp("\x1E\x1F", entry.codes, 2)) << "old codes stay in the buffer";
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 2)), Selection());
    Char('d', kScanD);
    EXPECT_EQ(1, Shown()) << "the next key replaced the selected masks";
    ASSERT_EQ(1, Entry().length);
    EXPECT_EQ(kScanD, Entry().codes[0]);

    PasswordEntry loaded{1, 1, 3, {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17}};
    ::SetWindowTextA(edit_.m_hWnd, "");
    ::ShowWindow(edit_.m_hWnd, SW_HIDE);
    edit_.SetEntry(loaded);
    edit_.SendMessage(WM_SETFOCUS);
    loaded.modified = 0;
    entry = Entry();
    EXPECT_EQ(0, std::memcmp(&loaded, &entry, sizeof entry)) << "all eight bytes, not modified";
    EXPECT_EQ(0, Shown()) << "loading an entry does not touch the text";
    edit_.Clear();
    const PasswordEntry zero{};
    entry = Entry();
    EXPECT_EQ(0, std::memcmp(&zero, &entry, sizeof zero));
}

// The storage an entry control or a change dialog lived in holds none of its codes.
template <typename Holder> bool CodesRemainAfterDestruction() {
    alignas(Holder) unsigned char storage[sizeof(Holder)];
    Holder* holder = new (storage) Holder();
    const PasswordEntry secret{1, 0, 7, {0x13, 0x18, 0x1F, 0x14, 0x12, 0x17, 0x19}};
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
