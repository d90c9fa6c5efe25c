#include "KeyboardLayout.h"

#include <windows.h>

namespace {
constexpr UINT kScanCodeToVirtualKey = 1;
}

uint32_t TranslateScanCode(uint8_t scanCode) {
    return ::MapVirtualKeyA(scanCode, kScanCodeToVirtualKey);
}
