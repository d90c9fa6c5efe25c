// The About box's version line: which table it reads, its fallbacks, its bounds.
#include "VersionText.h"

#include "Win32.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// A file next to the test program.
std::string Beside(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + name;
}

std::string VersionLine(const std::string& file, const char* language, size_t size = 256) {
    std::string text(size, '#');
    BuildVersionTextFor(file.c_str(), language, &text[0], size);
    return text.c_str();
}

TEST(VersionText, ReadsTheTableOfTheSystemLanguage) {
    const std::string probe = Beside("version_two_tables.dll");
    EXPECT_EQ("Version 2.0-ja", VersionLine(probe, "0411"));
    EXPECT_EQ("Version 2.0-en", VersionLine(probe, "0409"));
}

// Runs in an English and in a Japanese session (tests/app/CMakeLists.txt).
TEST(VersionText, SystemDefaultLanguageChoosesTheTable) {
    const char* session = std::getenv("TARVELL_LANG");
    const bool japanese = session && std::string(session) == "ja";
    char language[256];
    GetSystemLanguage(language, sizeof language);
    // The label itself is in the session's language.
    const std::string line = VersionLine(Beside("version_two_tables.dll"), language);
    EXPECT_NE(std::string::npos, line.find(japanese ? " 2.0-ja" : " 2.0-en")) << line;
}

TEST(VersionText, LanguageWithoutATableFallsBackToUsEnglish) {
    EXPECT_EQ("Version 2.0-en", VersionLine(Beside("version_two_tables.dll"), "0407"));
}

TEST(VersionText, NoTableForEitherLanguageLeavesTheLabelAlone) {
    const std::string probe = Beside("version_japanese_only.dll");
    EXPECT_EQ("Version", VersionLine(probe, "0407"));
    EXPECT_EQ("Version 3.0-ja", VersionLine(probe, "0411"));
}

TEST(VersionText, MissingFileOrFileWithoutVersionGivesTheLabel) {
    EXPECT_EQ("Version", VersionLine(Beside("no-such-file.exe"), "0409"));
    EXPECT_EQ("Version", VersionLine(Beside("probe_without_version.dll"), "0409"));
}

TEST(VersionText, ProgramFileCarriesVersion110InBothTables) {
    // The test program carries the program's own resources.
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    EXPECT_EQ("Version 1.10", VersionLine(self, "0409"));
    EXPECT_EQ("Version 1.10", VersionLine(self, "0411"));
    EXPECT_EQ("Version 1.10", VersionLine(self, "0C0A"));
}

TEST(VersionText, SmallBufferIsCutAndTerminated) {
    EXPECT_EQ("Vers", VersionLine(Beside("version_two_tables.dll"), "0411", 5));
    EXPECT_EQ("", VersionLine(Beside("version_two_tables.dll"), "0411", 1));
}

} // namespace
