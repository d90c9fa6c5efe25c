#include "WindowsVersion.h"

#include <windows.h>

bool IsWindows5OrLaterSystem() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return ::GetVersionExA(&info) && info.dwMajorVersion > 4;
}
