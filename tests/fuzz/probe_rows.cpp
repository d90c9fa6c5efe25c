// The Information Viewer's row builders on any BIOS answers, any device-manager
// answers and any string-table texts (patterns with stray '%' included): every row
// text must be a terminated string that fits the row buffers.
#include "FuzzBios.h"
#include "PlaceholderText.h"
#include "SystemProbe.h"

// The string table, the device manager and the rows' sink, all from the fuzzer.
class FuzzSources : public RowSink, public PortSource {
public:
    explicit FuzzSources(FuzzBytes& bytes) : bytes_(bytes) {
        for (char* text : texts_)
            bytes.Text(text, 24);
        windows5_ = bytes.Byte() & 1;
    }
    void LoadText(uint32_t id, char* text, size_t size) const override {
        CopyText(texts_[id % 8], text, size);
    }
    void AddRow(uint32_t labelId, uint32_t valueId) override {
        char value[kProbeTextSize];
        LoadText(valueId, value, sizeof value);
        AddRow(labelId, value);
    }
    void AddRow(uint32_t labelId, const char* value) override {
        char label[kProbeTextSize];
        LoadText(labelId, label, sizeof label);
        AddRow(label, value);
    }
    void AddRow(const char* label, const char* value) override {
        Expect(std::strlen(label) < kProbeTextSize && std::strlen(value) < kProbeTextSize,
               "a row text overruns the row buffer");
    }
    bool IsWindows5OrLater() const override { return windows5_; }
    DeviceMatch FindDevice(DeviceClass, const char*, uint32_t* problem) const override {
        bytes_.Fill(problem, sizeof *problem);
        return static_cast<DeviceMatch>(bytes_.Byte() % 3);
    }

private:
    FuzzBytes& bytes_;
    char texts_[8][32];
    bool windows5_;
};

void Fuzz(FuzzBytes& bytes) {
    FuzzSources sources(bytes);

    char pattern[32], text[16];
    sources.LoadText(0, pattern, sizeof pattern);
    FillPlaceholder(pattern, pattern + 1, text, bytes.Byte() % (sizeof text + 1));
    const int32_t number = bytes.Take<int32_t>();
    FillNumberPlaceholder(pattern, number, text, bytes.Byte() % (sizeof text + 1));

    FuzzBios bios(bytes);
    AddInformationRows(sources, sources);
}
