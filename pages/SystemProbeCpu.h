// Processor maker, type and speed texts from the codes GetCpuInfo answers.
// Free of <windows.h>.
#pragma once

#include "SystemProbeText.h"

#include <cstddef>
#include <cstdint>

// Fills vendorText with the maker's name ("Unknown Brand" for an unknown code) and
// typeText with the processor's name ("Unknown Type" when it is not known).
void GetCpuVendorName(const TextSource& texts, uint8_t vendor, char* vendorText, size_t vendorSize,
                      uint8_t model, char* typeText, size_t typeSize);

// Fill typeText with the model's name, or "Unknown Type" for a model not in the maker's list.
void GetIntelCpuName(const TextSource& texts, uint8_t model, char* typeText, size_t typeSize);
void GetCyrixCpuName(const TextSource& texts, uint8_t model, char* typeText, size_t typeSize);
void GetAmdCpuName(const TextSource& texts, uint8_t model, char* typeText, size_t typeSize);

// "<n> MHz" from the bus-clock and multiplier codes, or from mhz when both codes are
// 0xFF; "Unknown Speed" for codes outside the tables.
void FormatCpuSpeed(const TextSource& texts, uint8_t clockCode, uint8_t ratioCode, uint16_t mhz,
                    char* text, size_t size);
