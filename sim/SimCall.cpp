#include "SimCall.h"

#include <string.h>

namespace sim {

void Accept(Call& call) {
    call.reply.status = kStatusOk;
    SetHigh8(call.reply.eax, kAnswerAccepted);
}

void AnswerNo(Call& call, uint8_t code) {
    call.reply.status = kStatusOk;
    SetHigh8(call.reply.eax, code);
}

void Fail(Call& call, uint8_t code) {
    call.reply.status = kStatusFailed;
    SetHigh8(call.reply.eax, code != kAnswerAccepted ? code : kAnswerRejected);
}

namespace {

void NoteBuffer(LogEntry& log, const void* bytes, uint32_t size, bool written) {
    const uint32_t kept = size < sizeof log.buffer ? size : sizeof log.buffer;
    memcpy(log.buffer, bytes, kept);
    log.bufferSize = static_cast<uint8_t>(kept);
    log.bufferWritten = written ? 1 : 0;
}

} // namespace

bool ReadCallerBuffer(Call& call, void* to, uint32_t size) {
    const CallerMemory& memory = call.memory;
    if (!memory.read || !memory.read(memory.context, call.request.esi, to, size)) {
        Fail(call, kAnswerBadBuffer);
        return false;
    }
    NoteBuffer(call.log, to, size, false);
    return true;
}

bool WriteCallerBuffer(Call& call, const void* from, uint32_t size) {
    const CallerMemory& memory = call.memory;
    if (!memory.write || !memory.write(memory.context, call.request.esi, from, size)) {
        Fail(call, kAnswerBadBuffer);
        return false;
    }
    NoteBuffer(call.log, from, size, true);
    return true;
}

void AnswerOnOff(Call& call, uint8_t& value) {
    const uint8_t sub = call.SubFunction();
    if (sub == 0 || sub == 1) {
        value = sub;
        Accept(call);
    } else if (sub == 2) {
        Accept(call);
        SetLow8(call.reply.eax, value);
    } else {
        Fail(call, kAnswerUnsupported);
    }
}

bool InterfaceOlderThan(uint16_t version, uint8_t minor) {
    const uint8_t major = High8(version);
    return major <= 1 && Low8(version) < minor;
}

namespace {

uint8_t Clamp(uint8_t value, uint8_t low, uint8_t high) {
    if (value < low)
        return low;
    return value > high ? high : value;
}

} // namespace

void FitLevels(const MachineProfile& profile, BiosSettings& settings) {
    settings.brightness = Clamp(settings.brightness, profile.brightnessMin, profile.brightnessMax);
    settings.contrast = Clamp(settings.contrast, profile.contrastMin, profile.contrastMax);
}

} // namespace sim
