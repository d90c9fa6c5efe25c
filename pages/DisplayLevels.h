// The panel's brightness and contrast levels as the Display Device page's sliders
// show them: the ranges the BIOS gives, the slider steps, and which level replies
// can be shown. Free of <windows.h>.
#pragma once

#include <cstdint>

// Slider steps: a tick mark and a page (PgUp/PgDn or a click beside the thumb) every
// four levels, a line (arrow key) of one level.
constexpr int kLevelTickFrequency = 4;
constexpr int kLevelPageSize = 4;
constexpr int kLevelLineSize = 1;

struct LevelRange {
    uint8_t min;
    uint8_t max;
    bool Contains(uint8_t level) const { return level >= min && level <= max; }
};

struct DisplayRanges {
    LevelRange brightness;
    LevelRange contrast;
};

// GetBrightnessContrastRange. False when the request failed or either range runs
// backwards (such a reply cannot be a slider's range, so it counts as no answer).
bool ReadDisplayRanges(DisplayRanges& ranges);

// One level with get (GetDisplayBrightness or GetDisplayContrast). False when the
// request failed, or when range is given and the level lies outside it: a slider
// cannot show such a level, and its label must not claim it either.
bool ReadLevel(int (*get)(uint8_t*), const LevelRange* range, uint8_t& level);

// GetPanelType. False when it fails or the type is 0: that panel's contrast cannot be set.
bool PanelHasContrast();

// A slider position as a level byte: positions below 0 give 0, above 255 give 255.
uint8_t LevelFromPosition(int position);
