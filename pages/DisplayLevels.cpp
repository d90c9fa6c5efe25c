#include "DisplayLevels.h"

#include "BiosCatalogue.h"

bool ReadDisplayRanges(DisplayRanges& ranges) {
    uint8_t contrastMax = 0;
    uint8_t contrastMin = 0;
    uint8_t brightnessMax = 0;
    uint8_t brightnessMin = 0;
    if (!GetBrightnessContrastRange(&contrastMax, &contrastMin, &brightnessMax, &brightnessMin))
        return false;
    if (brightnessMin > brightnessMax || contrastMin > contrastMax)
        return false;
    ranges.brightness = LevelRange{brightnessMin, brightnessMax};
    ranges.contrast = LevelRange{contrastMin, contrastMax};
    return true;
}

bool ReadLevel(int (*get)(uint8_t*), const LevelRange* range, uint8_t& level) {
    uint8_t read = 0;
    if (!get(&read))
        return false;
    if (range && !range->Contains(read))
        return false;
    level = read;
    return true;
}

bool PanelHasContrast() {
    uint8_t panelType = 0;
    return GetPanelType(&panelType) && panelType != 0;
}

uint8_t LevelFromPosition(int position) {
    if (position < 0)
        return 0;
    if (position > 0xFF)
        return 0xFF;
    return static_cast<uint8_t>(position);
}
