// The Information Viewer's row builders on any BIOS answers, any device-manager
// answers and any string-table texts (patterns with stray '%' included): every row
// text must be a terminated string that fits the row buffers.
#include "FuzzBios.h"
#include "PlaceholderText.h"
#include "SystemProbe.h"

#include <cstring>

namespace {

constexpr int kTexts = 8;

class FuzzTexts : public RowSink {
public:
    explicit FuzzTexts(FuzzBytes& bytes) {
        for (char* text : texts_) {
            const size_t length = bytes.Byte() % 24;
            bytes.Fill(text, length);
            text[length] = '\0';
        }
    }
    void LoadText(uint32_t id, char* text, size_t size) const override {
        CopyText(texts_[id % kTexts], text, size);
    }
    void AddRow(uint32_t labelId, uint32_t valueId) override {
        char label[kProbeTextSize], value[kProbeTextSize];
        LoadText(labelId, label, sizeof label);
        LoadText(valueId, value, sizeof value);
        AddRow(label, value);
    }
    void AddRow(uint32_t labelId, const char* value) override {
        char label[kProbeTextSize];
        LoadText(labelId, label, sizeof label);
        AddRow(label, value);
    }
    void AddRow(const char* label, const char* value) override {
        if (std::strlen(label) >= kProbeTextSize || std::strlen(value) >= kProbeTextSize)
            Finding("a row text overruns the row buffer");
    }

private:
    char texts_[kTexts][32];
};

class FuzzPorts : public PortSource {
public:
    explicit FuzzPorts(FuzzBytes& bytes) : bytes_(bytes), windows5_(bytes.Byte() & 1) {}
    bool IsWindows5OrLater() const override { return windows5_; }
    DeviceMatch FindDevice(DeviceClass, const char*, uint32_t* problem) const override {
        bytes_.Fill(problem, sizeof *problem);
        return static_cast<DeviceMatch>(bytes_.Byte() % 3);
    }

private:
    FuzzBytes& bytes_;
    bool windows5_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes bytes(data, size);
    FuzzTexts sink(bytes);
    FuzzPorts ports(bytes);

    char pattern[32], text[16];
    sink.LoadText(0, pattern, sizeof pattern);
    FillPlaceholder(pattern, pattern + 1, text, bytes.Byte() % (sizeof text + 1));
    int32_t number;
    bytes.Fill(&number, sizeof number);
    FillNumberPlaceholder(pattern, number, text, bytes.Byte() % (sizeof text + 1));

    FuzzBios bios(bytes);
    AddCpuRows(sink);
    AddTotalMemoryRow(sink);
    AddVideoRamRow(sink);
    AddIdeRow(sink, 0x80);
    AddIdeRow(sink, 0x82);
    AddSerialPortRows(sink, ports, 0);
    AddSerialPortRows(sink, ports, 1);
    AddParallelPortRows(sink, ports);
    AddInternalCacheRow(sink);
    AddExternalCacheRow(sink);
    AddPointingDeviceRow(sink);
    return 0;
}
