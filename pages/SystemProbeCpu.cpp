#include "SystemProbeCpu.h"

#include "page_info_ids.h"

#include <cstdio>

namespace {

// Processor names by model code; nullptr marks a code without a name.
const char* const kIntelNames[] = {
    "386",         "486",        "Pentium", "Pentium", "Pentium(ODP/MMX)", "MMX(R) Pentium",
    "Pentium Pro", "Pentium II", "Celeron",
};
const char* const kCyrixNames[] = {
    "386", "486", nullptr, "6x86", "6x86L", "6x86MX",
};
const char* const kAmdNames[] = {
    "386", "486", nullptr, "K5", nullptr, "K6", "K6-2", "K6-3", "K6-2(8~F)",
};

const char* const kVendorNames[] = {"Intel", "Cyrix", "AMD", "IBM", "UMC", "TI", "SGS"};

template <size_t N>
void NameFromTable(const char* const (&names)[N], const TextSource& texts, uint8_t model,
                   char* typeText, size_t typeSize) {
    if (model < N && names[model])
        CopyText(names[model], typeText, typeSize);
    else
        texts.LoadText(IDS_INFO_UNKNOWN_TYPE, typeText, typeSize);
}

constexpr uint8_t kCodeFromMhz = 0xFF;
constexpr uint8_t kLastClockCode = 10;
constexpr uint8_t kLastRatioCode = 15;
constexpr uint8_t kFirstFixedClockCode = 4;

// Bus clocks for codes 0 to 3, and multipliers in quarters (1.75 is 7 quarters).
const int kSlowBusMhz[kFirstFixedClockCode] = {20, 25, 33, 40};
const int kRatioQuarters[kLastRatioCode + 1] = {4,  6,  8,  10, 12, 14, 16, 18,
                                                20, 22, 24, 26, 28, 30, 32, 7};

// Speeds for bus codes 4 to 10 as the machines report them. The 95 MHz row rounds
// halves up while the others cut fractions off, so the values are kept as they are
// instead of being computed.
const int kFastBusMhz[kLastClockCode - kFirstFixedClockCode + 1][kLastRatioCode + 1] = {
    {50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300, 325, 350, 375, 400, 87},    // 50
    {60, 90, 120, 150, 180, 210, 240, 270, 300, 330, 360, 390, 420, 450, 480, 105},   // 60
    {66, 100, 133, 166, 200, 233, 266, 300, 333, 366, 400, 433, 466, 500, 533, 116},  // 66
    {75, 112, 150, 187, 225, 262, 300, 337, 375, 412, 450, 487, 525, 562, 600, 131},  // 75
    {83, 124, 166, 207, 249, 290, 332, 373, 415, 456, 498, 539, 581, 622, 664, 145},  // 83
    {100, 150, 200, 250, 300, 350, 400, 450, 500, 550, 600, 650, 700, 750, 800, 175}, // 100
    {95, 143, 190, 238, 285, 333, 380, 428, 475, 523, 570, 618, 665, 713, 760, 166},  // 95
};

} // namespace

void GetIntelCpuName(const TextSource& texts, uint8_t model, char* typeText, size_t typeSize) {
    NameFromTable(kIntelNames, texts, model, typeText, typeSize);
}

void GetCyrixCpuName(const TextSource& texts, uint8_t model, char* typeText, size_t typeSize) {
    NameFromTable(kCyrixNames, texts, model, typeText, typeSize);
}

void GetAmdCpuName(const TextSource& texts, uint8_t model, char* typeText, size_t typeSize) {
    NameFromTable(kAmdNames, texts, model, typeText, typeSize);
}

void GetCpuVendorName(const TextSource& texts, uint8_t vendor, char* vendorText, size_t vendorSize,
                      uint8_t model, char* typeText, size_t typeSize) {
    texts.LoadText(IDS_INFO_UNKNOWN_TYPE, typeText, typeSize);
    if (vendor >= sizeof kVendorNames / sizeof kVendorNames[0]) {
        texts.LoadText(IDS_INFO_UNKNOWN_BRAND, vendorText, vendorSize);
        return;
    }
    CopyText(kVendorNames[vendor], vendorText, vendorSize);
    switch (vendor) {
    case 0:
        GetIntelCpuName(texts, model, typeText, typeSize);
        break;
    case 1:
        GetCyrixCpuName(texts, model, typeText, typeSize);
        break;
    case 2:
        GetAmdCpuName(texts, model, typeText, typeSize);
        break;
    default: // the other makers' types are not told apart
        break;
    }
}

void FormatCpuSpeed(const TextSource& texts, uint8_t clockCode, uint8_t ratioCode, uint16_t mhz,
                    char* text, size_t size) {
    int speed;
    if (clockCode == kCodeFromMhz && ratioCode == kCodeFromMhz) {
        speed = mhz;
    } else if (clockCode > kLastClockCode || ratioCode > kLastRatioCode) {
        texts.LoadText(IDS_INFO_UNKNOWN_SPEED, text, size);
        return;
    } else if (clockCode < kFirstFixedClockCode) {
        speed = kSlowBusMhz[clockCode] * kRatioQuarters[ratioCode] / 4;
    } else {
        speed = kFastBusMhz[clockCode - kFirstFixedClockCode][ratioCode];
    }
    if (size > 0)
        std::snprintf(text, size, "%d MHz", speed);
}
