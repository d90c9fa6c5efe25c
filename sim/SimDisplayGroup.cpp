// Group 0x9612 (display, pointing devices, hot-key button) and group 0x9602
// (video memory size).
#include "SimCall.h"

namespace sim {

namespace {

constexpr uint8_t kDisplayExternal = 0;
constexpr uint8_t kDisplayBoth = 2;

// BH 0 reads the value into CL; BH 1 sets it from CL when it lies in [low, high].
void AnswerGetSet(Call& call, uint8_t& value, uint8_t low, uint8_t high) {
    const uint8_t sub = call.SubFunction();
    if (sub == 0) {
        Accept(call);
        SetLow8(call.reply.ecx, value);
        return;
    }
    if (sub != 1) {
        Fail(call, kAnswerUnsupported);
        return;
    }
    const uint8_t wanted = Low8(call.request.ecx);
    if (wanted < low || wanted > high) {
        Fail(call, kAnswerRejected);
        return;
    }
    value = wanted;
    Accept(call);
}

// Without a monitor the external-only output would leave the user with no picture.
void AnswerDisplayDevice(Call& call) {
    const bool switching = call.SubFunction() == 1;
    if (switching && Low8(call.request.ecx) == kDisplayExternal && !call.profile.monitorConnected) {
        Fail(call, kAnswerRejected);
        return;
    }
    AnswerGetSet(call, call.settings.displayDevice, kDisplayExternal, kDisplayBoth);
}

// A panel of type 0 has no contrast control.
void AnswerContrast(Call& call) {
    const MachineProfile& p = call.profile;
    if (call.SubFunction() == 1 && p.panelType == 0) {
        Fail(call, kAnswerRejected);
        return;
    }
    AnswerGetSet(call, call.settings.contrast, p.contrastMin, p.contrastMax);
}

void AnswerRange(Call& call) {
    const MachineProfile& p = call.profile;
    Accept(call);
    SetLow8(call.reply.ecx, p.contrastMin);
    SetHigh8(call.reply.ecx, p.contrastMax);
    SetLow8(call.reply.edx, p.brightnessMin);
    SetHigh8(call.reply.edx, p.brightnessMax);
}

void AnswerReadOnly(Call& call, uint8_t sub, void (*answer)(Call&)) {
    if (call.SubFunction() == sub)
        answer(call);
    else
        Fail(call, kAnswerUnsupported);
}

void AnswerPointingDevice(Call& call) {
    Accept(call);
    SetLow8(call.reply.ecx, call.profile.pointingDevice);
}

void AnswerPanelType(Call& call) {
    Accept(call);
    SetLow8(call.reply.eax, call.profile.panelType);
}

void AnswerTouchPad(Call& call) {
    Accept(call);
    SetLow8(call.reply.eax, call.profile.touchPad);
}

// Success means a monitor is connected.
void AnswerMonitorCheck(Call& call) {
    if (call.profile.monitorConnected)
        Accept(call);
    else
        Fail(call, kAnswerRejected);
}

// BH is the new state: 0 off, 1 on.
void AnswerHotkeyButton(Call& call) {
    const uint8_t state = call.SubFunction();
    if (state > 1) {
        Fail(call, kAnswerRejected);
        return;
    }
    call.settings.hotkeyButton = state;
    Accept(call);
}

} // namespace

void AnswerDisplayGroup(Call& call) {
    const MachineProfile& p = call.profile;
    BiosSettings& s = call.settings;
    switch (call.Function()) {
    case 0x01:
        AnswerReadOnly(call, 0, AnswerPointingDevice);
        break;
    case 0x05:
        AnswerHotkeyButton(call);
        break;
    case 0x06:
        AnswerContrast(call);
        break;
    case 0x07:
        AnswerGetSet(call, s.brightness, p.brightnessMin, p.brightnessMax);
        break;
    case 0x08:
        AnswerReadOnly(call, 0, AnswerRange);
        break;
    case 0x0A: // 2 both CRT and LCD, 3 auto detect
        AnswerGetSet(call, s.bootDisplay, 2, 3);
        break;
    case 0x0B:
        AnswerDisplayDevice(call);
        break;
    case 0x0C:
        AnswerReadOnly(call, 0, AnswerMonitorCheck);
        break;
    case 0x0D:
        AnswerReadOnly(call, 0, AnswerPanelType);
        break;
    case 0x0F:
        AnswerReadOnly(call, 2, AnswerTouchPad);
        break;
    default:
        Fail(call, kAnswerUnsupported);
        break;
    }
}

// The video BIOS answers whatever BX holds: AL = memory in 64 KB units.
void AnswerVideoMemory(Call& call) {
    Accept(call);
    SetLow8(call.reply.eax, call.profile.videoRam64Kb);
}

} // namespace sim
