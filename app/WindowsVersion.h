// Which family of Windows the program runs on.
#pragma once

// True when the operating system's major version is greater than 4 (Windows 2000
// and later); the platform identifier is not looked at.
bool IsWindows5OrLaterSystem();
