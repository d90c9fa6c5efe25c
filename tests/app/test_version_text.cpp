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

// The program file is the test program itself, which carries the program's resources.
TEST(VersionText, TableOfTheLanguageElseUsEnglishElseTheLabelAlone) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    const struct {
        std::string file;
        const char* language;
        size_t size;
        const char* line;
    } cases[] = {
        {Beside("version_two_tables.dll"), "0411", 256, "Version 2.0-ja"},
        {Beside("version_two_tables.dll"), "0409", 256, "Version 2.0-en"},
        {Beside("version_two_tables.dll"), "0407", 256, "Version 2.0-en"},
        {Beside("version_japanese_only.dll"), "0407", 256, "Version"},
        {Beside("version_japanese_only.dll"), "0411", 256, "Version 3.0-ja"},
        {Beside("no-such-file.exe"), "0409", 256, "Version"},
        {Beside("probe_without_version.dll"), "0409", 256, "Version"},
        {self, "0409", 256, "Version 1.10"},
        {self, "0411", 256, "Version 1.10"},
        {self, "0C0A", 256, "Version 1.10"},
        {Beside("version_two_tables.dll"), "0411", 5, "Vers"},
        {Beside("version_two_tables.dll"), "0411", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.line, VersionLine(c.file, c.language, c.size))
            << c.file << " " << c.language << " in " << c.size << " bytes";
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

} // namespace
