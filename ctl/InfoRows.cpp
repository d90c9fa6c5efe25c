#include "InfoRows.h"

#include "SystemProbe.h"
#include "SystemProbePnp.h"
#include "WindowsVersion.h"

#include <windows.h>

namespace {

constexpr UINT kStringsPerBlock = 16;

// The English string table linked into zepctl.exe, whatever the user's language:
// zepctl speaks English only.
void LoadEnglishString(uint32_t id, char* text, size_t size) {
    if (size == 0)
        return;
    text[0] = '\0';
    const HRSRC block =
        ::FindResourceExA(nullptr, RT_STRING, MAKEINTRESOURCEA(id / kStringsPerBlock + 1),
                          MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    const HGLOBAL loaded = block ? ::LoadResource(nullptr, block) : nullptr;
    const WCHAR* entry = loaded ? static_cast<const WCHAR*>(::LockResource(loaded)) : nullptr;
    if (!entry)
        return;
    // Sixteen strings, each its length in characters followed by the characters.
    for (uint32_t skip = id % kStringsPerBlock; skip > 0; --skip)
        entry += 1 + *entry;
    const int length = *entry;
    const int written = ::WideCharToMultiByte(CP_ACP, 0, entry + 1, length, text,
                                              static_cast<int>(size - 1), nullptr, nullptr);
    text[written > 0 ? written : 0] = '\0';
}

class InfoCollector : public RowSink {
public:
    void LoadText(uint32_t id, char* text, size_t size) const override {
        LoadEnglishString(id, text, size < kProbeTextSize ? size : kProbeTextSize);
    }
    void AddRow(uint32_t labelId, uint32_t valueId) override {
        char value[kProbeTextSize];
        LoadText(valueId, value, sizeof value);
        AddRow(labelId, value);
    }
    void AddRow(uint32_t labelId, const char* value) override {
        char label[kProbeTextSize] = "";
        if (labelId != 0)
            LoadText(labelId, label, sizeof label);
        AddRow(label, value);
    }
    void AddRow(const char* label, const char* value) override {
        rows.push_back(InfoRow{label ? label : "", value ? value : ""});
    }

    std::vector<InfoRow> rows;
};

} // namespace

std::vector<InfoRow> CollectInfoRows() {
    InfoCollector sink;
    AddInformationRows(sink, SystemPortSource(IsWindows5OrLaterSystem()));
    return std::move(sink.rows);
}
