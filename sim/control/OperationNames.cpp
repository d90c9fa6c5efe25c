#include "OperationNames.h"

#include "CatalogueTable.h"

// Names come from the program's own catalogue table, so the log reads with exactly
// the operations the program sends: a row whose BH is fixed must match it; a row whose
// BH carries a value or a mode matches any BH.
const char* OperationName(uint32_t eax, uint32_t ebx) {
    using catalogue::Bh;
    const uint16_t ax = static_cast<uint16_t>(eax & 0xFFFF);
    const uint8_t bl = static_cast<uint8_t>(ebx & 0xFF);
    const uint8_t bh = static_cast<uint8_t>((ebx >> 8) & 0xFF);
    const char* anyBh = nullptr;
    for (const catalogue::Operation& row : catalogue::kCatalogue) {
        if (row.ax != ax || row.bl != bl)
            continue;
        if (row.bh == Bh::Fixed && row.bhLow == bh)
            return row.name;
        if (row.bh == Bh::Argument && anyBh == nullptr)
            anyBh = row.name;
    }
    return anyBh ? anyBh : "?";
}
