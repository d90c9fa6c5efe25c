// The simulated BIOS's default settings with some of them changed, written the way simctl
// takes them: "silentBoot=1 bootSequence=1,0 setupPassword=1e,30,2e".
#pragma once

#include "SettingFields.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

inline sim::BiosSettings Edited(const std::string& changes) {
    sim::BiosSettings settings;
    sim::SimBios::DefaultSettings(settings);
    std::istringstream words(changes);
    std::string word;
    while (words >> word) {
        const size_t equals = word.find('=');
        const SettingField* field = FindSettingField(word.substr(0, equals));
        if (equals == std::string::npos || !field ||
            !ParseSetting(word.substr(equals + 1), *field, settings))
            ADD_FAILURE() << "cannot apply " << word;
    }
    return settings;
}
