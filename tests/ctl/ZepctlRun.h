// Runs zepctl.exe in this Wine session with the given arguments and standard input,
// and hands back its exit code and what it printed.
#pragma once

#include <string>

struct ZepctlRun {
    unsigned long exitCode = 0xFFFFFFFF; // 0xFFFFFFFF when it did not start or end
    std::string out;
    std::string err;
};

// The program is the one TARVELL_ZEPCTL_EXE names (a Linux or Windows path).
ZepctlRun RunZepctl(const std::string& arguments, const std::string& input = "");

// A fresh file in the temporary folder, holding text; its Windows path.
std::string TempFileWith(const std::string& name, const std::string& text);
std::string ReadTempFile(const std::string& path);
