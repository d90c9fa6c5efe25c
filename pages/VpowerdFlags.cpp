#include "VpowerdFlags.h"

#include "Win32.h"

int UpdateVpowerdFlags(int on) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVpowerdKey, 0, KEY_READ | KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return 0;
    DWORD flags = 0;
    DWORD size = sizeof flags;
    // A shorter value would come back padded with whatever flags held; a longer one
    // does not fit. Either way it is not the DWORD this rule is about.
    const bool isDword =
        ::RegQueryValueExA(key, kVpowerdFlagsValue, nullptr, nullptr,
                           reinterpret_cast<BYTE*>(&flags), &size) == ERROR_SUCCESS &&
        size == sizeof flags;
    if (isDword) {
        flags = on ? flags & ~kModemRingOffFlag : flags | kModemRingOffFlag;
        ::RegSetValueExA(key, kVpowerdFlagsValue, 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&flags), sizeof flags);
    }
    ::RegCloseKey(key);
    return isDword ? 1 : 0;
}
