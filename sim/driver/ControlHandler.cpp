#include "ControlHandler.h"
#include "SimProfiles.h"

#include <string.h>

namespace sim {

namespace {

ControlResult Answer(ControlStatus status, uint32_t replySize = 0, bool changed = false) {
    return ControlResult{status, replySize, changed};
}

// Copies the command's input when it has exactly the expected size.
template <typename T> bool TakeInput(const void* input, uint32_t inputSize, T& value) {
    if (inputSize != sizeof(ControlHeader) + sizeof(T))
        return false;
    memcpy(&value, static_cast<const uint8_t*>(input) + sizeof(ControlHeader), sizeof(T));
    return true;
}

template <typename T> ControlResult Give(const T& value, void* output, uint32_t outputSize) {
    if (outputSize < sizeof(T))
        return Answer(ControlStatus::kBufferTooSmall);
    memcpy(output, &value, sizeof(T));
    return Answer(ControlStatus::kOk, sizeof(T));
}

ControlResult ReadLog(const SimBios& bios, uint32_t first, void* output, uint32_t outputSize) {
    if (outputSize < sizeof(LogPage))
        return Answer(ControlStatus::kBufferTooSmall);
    LogPage page;
    page.total = bios.LogCount();
    page.first = first;
    const uint32_t available = first < page.total ? page.total - first : 0;
    const uint32_t room = (outputSize - sizeof(LogPage)) / sizeof(LogEntry);
    page.count = available < room ? available : room;

    uint8_t* at = static_cast<uint8_t*>(output);
    memcpy(at, &page, sizeof page);
    at += sizeof page;
    for (uint32_t i = 0; i < page.count; ++i, at += sizeof(LogEntry))
        memcpy(at, &bios.LogAt(first + i), sizeof(LogEntry));
    return Answer(ControlStatus::kOk, sizeof(LogPage) + page.count * sizeof(LogEntry));
}

// Every setting as the machine left the factory, passwords included, with the display
// levels brought into the current profile's ranges (loading the profile again does that).
void RestoreFactorySettings(SimBios& bios) {
    SimBios::DefaultSettings(bios.Settings());
    MachineProfile profile = bios.Profile();
    bios.LoadProfile(profile);
}

bool LoadProfileNamed(SimBios& bios, const ProfileName& name) {
    return memchr(name.text, 0, sizeof name.text) != nullptr && LoadNamedProfile(bios, name.text);
}

} // namespace

ControlResult HandleControl(SimBios& bios, const void* input, uint32_t inputSize, void* output,
                            uint32_t outputSize) {
    if (input == nullptr || inputSize < sizeof(ControlHeader))
        return Answer(ControlStatus::kBadRequest);
    ControlHeader header;
    memcpy(&header, input, sizeof header);
    const bool bare = inputSize == sizeof(ControlHeader);

    switch (header.command) {
    case kControlReset:
        if (!bare)
            break;
        bios.Reset();
        return Answer(ControlStatus::kOk, 0, true);
    case kControlLoadProfile: {
        MachineProfile profile;
        if (!TakeInput(input, inputSize, profile))
            break;
        if (!bios.LoadProfile(profile))
            return Answer(ControlStatus::kRefused);
        return Answer(ControlStatus::kOk, 0, true);
    }
    case kControlLoadNamedProfile: {
        ProfileName name;
        if (!TakeInput(input, inputSize, name))
            break;
        if (!LoadProfileNamed(bios, name))
            return Answer(ControlStatus::kRefused);
        return Answer(ControlStatus::kOk, 0, true);
    }
    case kControlGetProfile:
        if (!bare)
            break;
        return Give(bios.Profile(), output, outputSize);
    case kControlGetSettings:
        if (!bare)
            break;
        return Give(bios.Settings(), output, outputSize);
    case kControlSetSettings: {
        BiosSettings settings;
        if (!TakeInput(input, inputSize, settings))
            break;
        bios.Settings() = settings;
        return Answer(ControlStatus::kOk, 0, true);
    }
    case kControlDefaultSettings:
        if (!bare)
            break;
        RestoreFactorySettings(bios);
        return Answer(ControlStatus::kOk, 0, true);
    case kControlReadLog:
        if (!bare)
            break;
        return ReadLog(bios, header.argument, output, outputSize);
    case kControlClearLog:
        if (!bare)
            break;
        bios.ClearLog();
        return Answer(ControlStatus::kOk);
    case kControlArmFault: {
        Fault fault;
        if (!TakeInput(input, inputSize, fault))
            break;
        return Answer(bios.ArmFault(fault) ? ControlStatus::kOk : ControlStatus::kRefused);
    }
    case kControlClearFaults:
        if (!bare)
            break;
        bios.ClearFaults();
        return Answer(ControlStatus::kOk);
    default:
        break;
    }
    return Answer(ControlStatus::kBadRequest);
}

} // namespace sim
