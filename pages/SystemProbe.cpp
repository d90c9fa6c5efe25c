#include "SystemProbe.h"

#include "BiosCatalogue.h"
#include "PlaceholderText.h"
#include "SystemProbeCpu.h"
#include "page_info_ids.h"

#include <cstdio>
#include <cstring>

namespace {

// Port and cache flags: bit 0 set, the device is not there; bit 1 set, it is switched off.
constexpr uint8_t kFlagAbsent = 0x01;
constexpr uint8_t kFlagDisabled = 0x02;

constexpr uint32_t kMegabyte = 1024; // in kilobytes

constexpr uint8_t kFirstIdeDrive = 0x80;
constexpr uint8_t kSecondIdeDrive = 0x82;

// A cache's size from its size code: 2^n units. Codes from 7 on are shown in MB.
constexpr uint8_t kFirstMegabyteSizeCode = 7;
// Largest size shown: a larger one (or a code that would overflow) is a malformed answer.
constexpr uint32_t kLargestCacheMegabytes = 0xFFFF;

struct Text {
    char chars[kProbeTextSize];
};

Text Load(const TextSource& texts, uint32_t id) {
    Text text;
    texts.LoadText(id, text.chars, sizeof text.chars);
    return text;
}

// One state row of a port the device manager knows about, or none when it is not there.
void AddDeviceStateRow(RowSink& sink, const PortSource& ports, uint32_t labelId,
                       DeviceClass deviceClass, const char* fragment) {
    uint32_t problem = 0;
    switch (ports.FindDevice(deviceClass, fragment, &problem)) {
    case DeviceMatch::NotFound:
        return;
    case DeviceMatch::StatusUnknown:
        sink.AddRow(labelId, IDS_INFO_UNKNOWN);
        return;
    case DeviceMatch::Found:
        sink.AddRow(labelId, problem == 0 ? IDS_INFO_ENABLED : IDS_INFO_DISABLED);
        return;
    }
}

// The state row of an absent or disabled port; false when the port is present and on.
bool AddPortStateRow(RowSink& sink, const char* label, uint8_t flags) {
    if (flags & kFlagAbsent) {
        sink.AddRow(label, Load(sink, IDS_INFO_NONE).chars);
        return true;
    }
    if (flags & kFlagDisabled) {
        sink.AddRow(label, Load(sink, IDS_INFO_DISABLED).chars);
        return true;
    }
    return false;
}

// "3f8h (IRQ 4) " under the port's label, then "Operation Mode: <mode>" under it.
void AddPortAddressRows(RowSink& sink, const char* label, uint16_t ioBase, uint8_t irq,
                        const char* modeText) {
    Text value;
    std::snprintf(value.chars, sizeof value.chars, "%xh (%s %d) ", static_cast<unsigned>(ioBase),
                  Load(sink, IDS_INFO_IRQ).chars, static_cast<int>(irq));
    sink.AddRow(label, value.chars);
    std::snprintf(value.chars, sizeof value.chars, "%s %s",
                  Load(sink, IDS_INFO_OPERATION_MODE).chars, modeText);
    sink.AddRow(0u, value.chars);
}

uint32_t SerialModeId(uint8_t mode) {
    switch (mode) {
    case 0:
        return IDS_INFO_MODE_STANDARD;
    case 1:
        return IDS_INFO_MODE_IRDA;
    case 2:
        return IDS_INFO_MODE_ASK_IR;
    default:
        return IDS_INFO_MODE_UNDEFINED;
    }
}

Text ParallelModeText(const TextSource& texts, uint8_t mode, uint8_t dma) {
    switch (mode) {
    case 0:
        return Load(texts, IDS_INFO_MODE_STANDARD);
    case 1:
        return Load(texts, IDS_INFO_MODE_BIDIRECTIONAL);
    case 2:
        return Load(texts, IDS_INFO_MODE_EPP);
    case 3: {
        Text text;
        FillNumberPlaceholder(Load(texts, IDS_INFO_MODE_ECP_DMA).chars, dma, text.chars,
                              sizeof text.chars);
        return text;
    }
    case 4:
        return Load(texts, IDS_INFO_MODE_FDD_A);
    case 5:
        return Load(texts, IDS_INFO_MODE_FDD_B);
    default:
        return Load(texts, IDS_INFO_MODE_UNDEFINED);
    }
}

void AddCacheRow(RowSink& sink, uint32_t labelId, int (*getStatus)(uint8_t*, uint8_t*),
                 uint32_t unitKb) {
    uint8_t flags = 0;
    uint8_t sizeCode = 0;
    if (!getStatus(&flags, &sizeCode)) {
        sink.AddRow(labelId, IDS_INFO_UNKNOWN);
        return;
    }
    if (flags & kFlagAbsent) {
        sink.AddRow(labelId, IDS_INFO_NONE);
        return;
    }
    // 2^n units, kept in 64 bits: no real cache reaches 64 GB, a code that claims one
    // is a malformed answer and shows "Unknown" rather than a wrapped-around size.
    const uint64_t sizeKb = sizeCode < 32 ? (uint64_t{1} << sizeCode) * unitKb : UINT64_MAX;
    const bool inMegabytes = sizeCode >= kFirstMegabyteSizeCode;
    const uint64_t shown = inMegabytes ? sizeKb / kMegabyte : sizeKb;
    if (shown > kLargestCacheMegabytes) {
        sink.AddRow(labelId, IDS_INFO_UNKNOWN);
        return;
    }
    Text value;
    std::snprintf(
        value.chars, sizeof value.chars, "%s (%u %s)",
        Load(sink, (flags & kFlagDisabled) ? IDS_INFO_CACHE_OFF : IDS_INFO_CACHE_ON).chars,
        static_cast<unsigned>(shown), Load(sink, inMegabytes ? IDS_INFO_MB : IDS_INFO_KB).chars);
    sink.AddRow(labelId, value.chars);
}

} // namespace

bool DeviceIdMatches(const char* instanceId, const char* fragment) {
    if (!fragment || !*fragment)
        return true;
    return instanceId && std::strstr(instanceId, fragment) != nullptr;
}

void AddCpuRows(RowSink& sink) {
    uint8_t vendor = 0;
    uint8_t model = 0;
    uint8_t clockCode = 0;
    uint8_t ratioCode = 0;
    uint16_t mhz = 0;
    if (!GetCpuInfo(&vendor, &model, &clockCode, &ratioCode, &mhz)) {
        // Nothing is known: the item still takes its three rows.
        sink.AddRow(IDS_INFO_CPU, IDS_INFO_UNKNOWN_BRAND);
        sink.AddRow(0u, IDS_INFO_UNKNOWN_TYPE);
        sink.AddRow(0u, IDS_INFO_UNKNOWN_SPEED);
        return;
    }
    Text vendorText;
    Text typeText;
    Text speedText;
    GetCpuVendorName(sink, vendor, vendorText.chars, sizeof vendorText.chars, model, typeText.chars,
                     sizeof typeText.chars);
    FormatCpuSpeed(sink, clockCode, ratioCode, mhz, speedText.chars, sizeof speedText.chars);
    sink.AddRow(IDS_INFO_CPU, vendorText.chars);
    sink.AddRow(0u, typeText.chars);
    sink.AddRow(0u, speedText.chars);
}

void AddTotalMemoryRow(RowSink& sink) {
    uint32_t size = 0;
    uint8_t unit = 0; // a failed call leaves kilobytes, which are not shown
    GetSystemRam(&size, &unit);
    uint32_t unitId;
    if (unit == 1) {
        unitId = IDS_INFO_MB;
    } else if (unit == 2) {
        unitId = IDS_INFO_GB;
    } else {
        sink.AddRow(IDS_INFO_TOTAL_MEMORY, IDS_INFO_UNKNOWN);
        return;
    }
    Text value;
    std::snprintf(value.chars, sizeof value.chars, "%lu %s", static_cast<unsigned long>(size),
                  Load(sink, unitId).chars);
    sink.AddRow(IDS_INFO_TOTAL_MEMORY, value.chars);
}

void AddVideoRamRow(RowSink& sink) {
    const uint32_t kilobytes = GetVideoRam(); // 0 when the call failed: shown as 0 MB
    const Text unit = Load(sink, IDS_INFO_MB);
    Text value;
    if (kilobytes % kMegabyte == 0)
        std::snprintf(value.chars, sizeof value.chars, "%lu %s",
                      static_cast<unsigned long>(kilobytes / kMegabyte), unit.chars);
    else
        std::snprintf(value.chars, sizeof value.chars, "%-4.1f %s",
                      static_cast<double>(kilobytes) / kMegabyte, unit.chars);
    sink.AddRow(IDS_INFO_VIDEO_RAM, value.chars);
}

void AddIdeRow(RowSink& sink, uint8_t drive) {
    uint8_t type = 0;
    uint8_t flag = 0;
    if (!GetIdeType(drive, &type, &flag))
        return;
    if (type == 1 && flag != 0) {
        uint16_t cylinders = 0;
        uint8_t heads = 0;
        uint8_t sectors = 0;
        if (!GetIdeInfo(drive, &cylinders, &heads, &sectors)) {
            sink.AddRow(IDS_INFO_HARD_DISK, IDS_INFO_UNKNOWN);
            return;
        }
        // 512-byte sectors: 2048 of them make a megabyte.
        const uint64_t megabytes = uint64_t{cylinders} * heads * sectors / 2048;
        Text value;
        std::snprintf(value.chars, sizeof value.chars, "%lu %s",
                      static_cast<unsigned long>(megabytes), Load(sink, IDS_INFO_MB).chars);
        sink.AddRow(IDS_INFO_HARD_DISK, value.chars);
        return;
    }
    static const uint32_t kRemovableLabels[] = {IDS_INFO_CDROM, IDS_INFO_LS120, IDS_INFO_MO,
                                                IDS_INFO_ZIP, IDS_INFO_DVDROM}; // types 2 to 6
    const unsigned first = 2;
    if (type >= first && type - first < sizeof kRemovableLabels / sizeof kRemovableLabels[0])
        sink.AddRow(kRemovableLabels[type - first], IDS_INFO_DETECTED);
}

void AddSerialPortRows(RowSink& sink, const PortSource& ports, uint8_t port) {
    if (port > 1)
        return;
    if (ports.IsWindows5OrLater()) {
        if (port == 0)
            AddDeviceStateRow(sink, ports, IDS_INFO_SERIAL_PORT, DeviceClass::Ports, "PNP05");
        else
            AddDeviceStateRow(sink, ports, IDS_INFO_INFRARED, DeviceClass::Infrared, nullptr);
        return;
    }
    Text label;
    FillNumberPlaceholder(Load(sink, IDS_INFO_SERIAL_PORT_N).chars, port + 1, label.chars,
                          sizeof label.chars);
    uint8_t flags = 0;
    uint16_t ioBase = 0;
    uint8_t irq = 0;
    uint8_t mode = 0;
    if (!GetSerialPort(port, &flags, &ioBase, &irq, &mode)) {
        sink.AddRow(label.chars, Load(sink, IDS_INFO_UNKNOWN).chars);
        return;
    }
    if (AddPortStateRow(sink, label.chars, flags))
        return;
    AddPortAddressRows(sink, label.chars, ioBase, irq, Load(sink, SerialModeId(mode)).chars);
}

void AddParallelPortRows(RowSink& sink, const PortSource& ports) {
    if (ports.IsWindows5OrLater()) {
        AddDeviceStateRow(sink, ports, IDS_INFO_PARALLEL_PORT, DeviceClass::Ports, "PNP04");
        return;
    }
    const Text label = Load(sink, IDS_INFO_PARALLEL_PORT);
    uint8_t flags = 0;
    uint16_t ioBase = 0;
    uint8_t irq = 0;
    uint8_t mode = 0;
    uint8_t dma = 0;
    if (!GetParellelPort(&flags, &ioBase, &irq, &mode, &dma)) {
        sink.AddRow(label.chars, Load(sink, IDS_INFO_UNKNOWN).chars);
        return;
    }
    if (AddPortStateRow(sink, label.chars, flags))
        return;
    AddPortAddressRows(sink, label.chars, ioBase, irq, ParallelModeText(sink, mode, dma).chars);
}

void AddInternalCacheRow(RowSink& sink) {
    AddCacheRow(sink, IDS_INFO_INTERNAL_CACHE, GetInternalCacheStatus, 8);
}

void AddExternalCacheRow(RowSink& sink) {
    AddCacheRow(sink, IDS_INFO_EXTERNAL_CACHE, GetExtCacheStatus, 16);
}

void AddPointingDeviceRow(RowSink& sink) {
    uint8_t kind = 0;
    if (!GetPointDev(&kind)) {
        sink.AddRow(IDS_INFO_POINTING_DEVICE, IDS_INFO_UNKNOWN);
        return;
    }
    static const uint32_t kKindValues[] = {IDS_INFO_NONE, IDS_INFO_INTERNAL_ONLY,
                                           IDS_INFO_EXTERNAL_ONLY, IDS_INFO_BOTH_INSTALLED};
    sink.AddRow(IDS_INFO_POINTING_DEVICE, kind < sizeof kKindValues / sizeof kKindValues[0]
                                              ? kKindValues[kind]
                                              : IDS_INFO_UNKNOWN);
}

void AddInformationRows(RowSink& sink, const PortSource& ports) {
    AddCpuRows(sink);
    AddTotalMemoryRow(sink);
    AddVideoRamRow(sink);
    AddIdeRow(sink, kFirstIdeDrive);
    AddIdeRow(sink, kSecondIdeDrive);
    AddSerialPortRows(sink, ports, 0);
    AddSerialPortRows(sink, ports, 1);
    AddParallelPortRows(sink, ports);
    AddInternalCacheRow(sink);
    AddExternalCacheRow(sink);
    AddPointingDeviceRow(sink);
}
