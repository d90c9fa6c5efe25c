// The row builders of the Information Viewer: each asks the BIOS (or, for the ports on
// Windows 2000 and later, the device manager), turns the answer into texts and appends
// rows to a sink. They keep no state, write nothing and show no message: a failed
// source becomes a fallback text or a missing row. Free of <windows.h>.
#pragma once

#include "SystemProbeText.h"

#include <cstdint>

// Where the rows go. A label id of 0 gives an empty label: the row continues the item above.
class RowSink : public TextSource {
public:
    virtual void AddRow(uint32_t labelId, uint32_t valueId) = 0;
    virtual void AddRow(uint32_t labelId, const char* value) = 0;
    virtual void AddRow(const char* label, const char* value) = 0;
};

enum class DeviceClass { Ports, Infrared };

enum class DeviceMatch {
    NotFound,      // no present device matched
    Found,         // a device matched and its problem number was read
    StatusUnknown, // a device matched but its status could not be read
};

// True when instanceId contains fragment (case-sensitive), or for any device when there
// is no fragment (nullptr or empty). A missing identifier matches no fragment.
bool DeviceIdMatches(const char* instanceId, const char* fragment);

// How the port rows are found: from the BIOS, or from the device manager.
class PortSource {
public:
    virtual ~PortSource() = default;
    // True on Windows 2000 and later: the ports come from the device manager.
    virtual bool IsWindows5OrLater() const = 0;
    // The first present device of the class whose instance identifier contains fragment
    // (case-sensitive); with no fragment (nullptr or empty), the first present device.
    // problem is 0 for a working device.
    virtual DeviceMatch FindDevice(DeviceClass deviceClass, const char* fragment,
                                   uint32_t* problem) const = 0;
};

// Always three rows: maker, type and speed.
void AddCpuRows(RowSink& sink);
void AddTotalMemoryRow(RowSink& sink);
void AddVideoRamRow(RowSink& sink);
// drive is a BIOS drive number (0x80, 0x82); no row when nothing known is there.
void AddIdeRow(RowSink& sink, uint8_t drive);
// port 0 is the first serial port; port 1 the second, or the infrared device when the
// ports come from the device manager. Larger numbers append nothing.
void AddSerialPortRows(RowSink& sink, const PortSource& ports, uint8_t port);
void AddParallelPortRows(RowSink& sink, const PortSource& ports);
void AddInternalCacheRow(RowSink& sink);
void AddExternalCacheRow(RowSink& sink);
void AddPointingDeviceRow(RowSink& sink);

// Every row of the Information Viewer, in the page's order: processor, memory, video
// memory, both IDE drives, both serial ports, the parallel port, both caches and the
// pointing device.
void AddInformationRows(RowSink& sink, const PortSource& ports);
