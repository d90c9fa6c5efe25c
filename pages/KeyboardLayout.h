// The keyboard layout's part in password entry: which virtual key a scan code
// stands for, as the scan-code entry control and the console prompt both ask it.
#pragma once

#include <cstdint>

// MapVirtualKeyA from scan code to virtual key; 0 when the key has none. Fits
// ScanCodeTranslator (ScanCodeRules.h).
uint32_t TranslateScanCode(uint8_t scanCode);
