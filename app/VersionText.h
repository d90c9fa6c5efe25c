// The About box's version line: "Version" (string 334), a space and the program
// file's ProductVersion, read from the string table of the system's default
// language, else from the US English one.
#pragma once

#include <cstddef>

// The file whose version resource is read, found by the system's usual search.
constexpr const char kProgramFileName[] = "zep.exe";
// Language used when the system's cannot be read or has no table of its own.
constexpr const char kFallbackLanguage[] = "0409";

// Fills text (size bytes, at least 1; always terminated) with the version line of
// kProgramFileName for the system default language.
void BuildVersionText(char* text, size_t size);
// The system default language as four hexadecimal digits ("0411" on a Japanese
// system), or kFallbackLanguage when it cannot be read. language: at least 5 bytes.
void GetSystemLanguage(char* language, size_t size);
// The same for any file and a given language (four hexadecimal digits).
void BuildVersionTextFor(const char* fileName, const char* language, char* text, size_t size);
