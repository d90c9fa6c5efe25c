// The program's resources as the shell relies on them: every string in both
// languages with the same formats and room in the program's text buffers, and
// the right-click menu's layout.
#include "Win32.h"
#include "app_ids.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);

using StringTable = std::map<UINT, std::wstring>;

BOOL CALLBACK CollectBlock(HMODULE, LPCSTR, LPSTR name, LONG_PTR blocks) {
    reinterpret_cast<std::vector<WORD>*>(blocks)->push_back(
        static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::set<WORD>*>(languages)->insert(language);
    return TRUE;
}

std::vector<WORD> StringBlocks() {
    std::vector<WORD> blocks;
    EnumResourceNamesA(nullptr, RT_STRING, CollectBlock, reinterpret_cast<LONG_PTR>(&blocks));
    return blocks;
}

// Every non-empty string of one language, by id.
StringTable ReadTable(WORD language) {
    StringTable table;
    for (WORD block : StringBlocks()) {
        HRSRC found = FindResourceExA(nullptr, RT_STRING, MAKEINTRESOURCEA(block), language);
        if (!found)
            continue;
        const WCHAR* p = static_cast<const WCHAR*>(LockResource(LoadResource(nullptr, found)));
        for (UINT i = 0; i < 16; ++i) {
            const UINT length = *p++;
            if (length > 0)
                table[(block - 1u) * 16u + i] = std::wstring(p, length);
            p += length;
        }
    }
    return table;
}

// The printf conversions of a text, in order ("%d%s").
std::wstring Conversions(const std::wstring& text) {
    std::wstring found;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'%')
            continue;
        size_t j = i + 1;
        while (j < text.size() && wcschr(L"-+ #0123456789.l", text[j]))
            ++j;
        if (j < text.size()) {
            found += L'%';
            found += text[j];
        }
        i = j;
    }
    return found;
}

int AnsiLength(const std::wstring& text, UINT codePage) {
    return WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                               nullptr, nullptr);
}

TEST(Resources, EveryStringIsInEnglishAndJapaneseOnly) {
    for (WORD block : StringBlocks()) {
        std::set<WORD> languages;
        EnumResourceLanguagesA(nullptr, RT_STRING, MAKEINTRESOURCEA(block), CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ((std::set<WORD>{kEnglish, kJapanese}), languages)
            << "string block " << block << " (ids " << (block - 1) * 16 << "..)";
    }
    const StringTable english = ReadTable(kEnglish);
    const StringTable japanese = ReadTable(kJapanese);
    ASSERT_FALSE(english.empty());
    std::set<UINT> ids;
    for (const auto& entry : english)
        ids.insert(entry.first);
    for (const auto& entry : japanese)
        ids.insert(entry.first);
    for (UINT id : ids)
        EXPECT_TRUE(english.count(id) && japanese.count(id))
            << "string " << id << " is in one only";
}

TEST(Resources, BothLanguagesTakeTheSameFormatArguments) {
    const StringTable english = ReadTable(kEnglish);
    const StringTable japanese = ReadTable(kJapanese);
    for (const auto& entry : english) {
        const auto other = japanese.find(entry.first);
        if (other != japanese.end()) {
            EXPECT_EQ(Conversions(entry.second), Conversions(other->second))
                << "string " << entry.first;
        }
    }
}

TEST(Resources, EveryStringFitsTheProgramsTextBuffers) {
    // Texts are loaded into 256-byte buffers as ANSI text of the user's code page.
    for (const auto& entry : ReadTable(kEnglish))
        EXPECT_LE(AnsiLength(entry.second, 1252), 255) << "string " << entry.first;
    for (const auto& entry : ReadTable(kJapanese))
        EXPECT_LE(AnsiLength(entry.second, 932), 255) << "string " << entry.first;
}

TEST(Resources, ContextMenuHoldsTheThreeCommandsWithSeparators) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_SHEET_CONTEXT));
    ASSERT_NE(nullptr, menu);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(nullptr, popup);
    ASSERT_EQ(5, GetMenuItemCount(popup));
    EXPECT_EQ(static_cast<UINT>(ID_LOAD_DEFAULT), GetMenuItemID(popup, 0));
    EXPECT_EQ(static_cast<UINT>(ID_LOAD_PREVIOUS), GetMenuItemID(popup, 2));
    EXPECT_EQ(static_cast<UINT>(ID_APP_ABOUT), GetMenuItemID(popup, 4));
    for (int separator : {1, 3})
        EXPECT_NE(0u,
                  GetMenuState(popup, static_cast<UINT>(separator), MF_BYPOSITION) & MF_SEPARATOR);
    DestroyMenu(menu);
}

TEST(Resources, IconsOfTheShellExist) {
    for (UINT id : {IDI_PROGRAM, IDI_QUESTION_ART, IDI_SETUP_PASSWORD, IDI_POWERON_PASSWORD})
        EXPECT_NE(nullptr, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)))
            << "icon " << id;
}

} // namespace
