#include "VersionText.h"

#include "WinApp.h"
#include "app_ids.h"

#include <cstdio>
#include <vector>

namespace {

// ProductVersion from the "<language>04E4" table of block, or nullptr.
const char* QueryProductVersion(const std::vector<char>& block, const char* language) {
    char key[64];
    std::snprintf(key, sizeof key, "\\StringFileInfo\\%s04E4\\ProductVersion", language);
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block.data(), key, &value, &length) || !value || length == 0)
        return nullptr;
    return static_cast<const char*>(value);
}

} // namespace

void BuildVersionTextFor(const char* fileName, const char* language, char* text, size_t size) {
    if (!text || size == 0)
        return;
    char label[256];
    LoadResourceString(IDS_VERSION, label, sizeof label);
    std::snprintf(text, size, "%s", label);

    DWORD handle = 0;
    const DWORD blockSize = ::GetFileVersionInfoSizeA(fileName, &handle);
    if (blockSize == 0)
        return;
    std::vector<char> block(blockSize);
    if (!::GetFileVersionInfoA(fileName, 0, blockSize, block.data()))
        return;
    const char* version = QueryProductVersion(block, language);
    if (!version)
        version = QueryProductVersion(block, kFallbackLanguage);
    if (version)
        std::snprintf(text, size, "%s %s", label, version);
}

void GetSystemLanguage(char* language, size_t size) {
    if (::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_ILANGUAGE, language,
                         static_cast<int>(size)) == 0)
        std::snprintf(language, size, "%s", kFallbackLanguage);
}

void BuildVersionText(char* text, size_t size) {
    char language[256];
    GetSystemLanguage(language, sizeof language);
    BuildVersionTextFor(kProgramFileName, language, text, size);
}
