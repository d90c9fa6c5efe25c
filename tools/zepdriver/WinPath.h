// Paths handed from the Linux side (CTest, scripts) to programs running under Wine.
#pragma once

#include <string>

namespace e2e {

// A Linux absolute path as Wine's Z: drive shows it ("/a/b.exe" -> "Z:\a\b.exe");
// anything else (already a Windows path, or relative) comes back with '/' turned
// into '\'.
std::string WindowsPathOf(const std::string& path);

// The folder part of a Windows path ("Z:\a\b.exe" -> "Z:\a"); empty without one.
std::string FolderOf(const std::string& windowsPath);

} // namespace e2e
