#include "SimBios.h"
#include "SimCall.h"

#include <string.h>

namespace sim {

namespace {

const LogEntry kNoLogEntry = {};
constexpr uint32_t kRegisterWords = sizeof(Regs) / sizeof(uint32_t);

void Dispatch(Call& call) {
    const uint16_t group = Low16(call.request.eax);
    const bool vesk = call.profile.veskSupported != 0;
    switch (group) {
    case 0x9610:
        if (vesk) {
            AnswerSetupGroup(call);
            return;
        }
        break;
    case 0x9611:
        if (vesk && call.profile.hasPowerManagement) {
            AnswerPowerGroup(call);
            return;
        }
        break;
    case 0x9612:
        if (vesk) {
            AnswerDisplayGroup(call);
            return;
        }
        break;
    case 0x9602:
        AnswerVideoMemory(call);
        return;
    default:
        break;
    }
    Fail(call, kAnswerUnsupported);
}

void ReplaceRegisters(Regs& reply, const Fault& fault) {
    uint32_t words[kRegisterWords];
    uint32_t replacement[kRegisterWords];
    memcpy(words, &reply, sizeof words);
    memcpy(replacement, &fault.replace, sizeof replacement);
    for (uint32_t i = 0; i < kRegisterWords; ++i) {
        if (fault.replaceMask & (1u << i))
            words[i] = replacement[i];
    }
    memcpy(&reply, words, sizeof words);
}

// A well-mixed 32-bit value of (seed, sequence, word): splitmix32's finaliser.
uint32_t Scramble(uint32_t seed, uint32_t sequence, uint32_t word) {
    uint32_t x = seed ^ (sequence * 0x9E3779B9u) ^ (word * 0x85EBCA6Bu);
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

// A reply that claims success with whatever the BIOS would never have answered.
void RandomiseRegisters(Regs& reply, uint32_t seed, uint32_t sequence) {
    uint32_t* const words[] = {&reply.eax, &reply.ebx, &reply.ecx,
                               &reply.edx, &reply.esi, &reply.edi};
    for (uint32_t i = 0; i < sizeof words / sizeof words[0]; ++i)
        *words[i] = Scramble(seed, sequence, i);
    reply.status = kStatusOk;
    reply.eax &= ~0xFF00u; // AH 0: accepted
}

bool Matches(const Fault& fault, const Regs& request) {
    if (fault.ax != 0 && fault.ax != Low16(request.eax))
        return false;
    return fault.matchAnyFunction || fault.bl == Low8(request.ebx);
}

// A fault with a count stops once it has faulted that many requests.
bool Exhausted(const Fault& fault, uint32_t seen) {
    return fault.count != 0 && seen >= fault.skip && seen - fault.skip >= fault.count;
}

} // namespace

void SimBios::Reset() {
    DefaultProfile(profile_);
    DefaultSettings(settings_);
    ClearFaults();
    ClearLog();
}

bool SimBios::Handle(const Regs& request, Regs& reply, const CallerMemory& memory) {
    // The driver may hand in one block for both directions: keep the request intact.
    Regs asked;
    memcpy(&asked, &request, sizeof asked);
    LogEntry& log = StartLogEntry(asked);
    const Fault* fault = MatchFault(asked);
    const uint32_t kind = fault ? fault->kind : kFaultNone;
    if (kind == kFaultTransport) {
        log.transportFailed = 1;
        return false;
    }

    Regs answer;
    memcpy(&answer, &asked, sizeof answer);
    Call call = {asked, answer, profile_, settings_, memory, log};
    if (kind == kFaultStatus)
        Fail(call, kAnswerRejected);
    else if (kind == kFaultAnswerCode)
        AnswerNo(call, fault->answerCode);
    else
        Dispatch(call);
    if (kind == kFaultRegisters)
        ReplaceRegisters(answer, *fault);
    else if (kind == kFaultRandomRegisters)
        RandomiseRegisters(answer, fault->seed, log.sequence);

    memcpy(&log.reply, &answer, sizeof answer);
    memcpy(&reply, &answer, sizeof answer);
    return true;
}

bool SimBios::LoadProfile(const MachineProfile& profile) {
    if (profile.contrastMin > profile.contrastMax || profile.brightnessMin > profile.brightnessMax)
        return false;
    memcpy(&profile_, &profile, sizeof profile_);
    FitLevels(profile_, settings_);
    return true;
}

bool SimBios::ArmFault(const Fault& fault) {
    if (fault.kind < kFaultTransport || fault.kind > kFaultRandomRegisters)
        return false;
    for (uint32_t i = 0; i < kMaxFaults; ++i) {
        if (faults_[i].kind == kFaultNone || Exhausted(faults_[i], faultSeen_[i])) {
            memcpy(&faults_[i], &fault, sizeof fault);
            faultSeen_[i] = 0;
            return true;
        }
    }
    return false;
}

void SimBios::ClearFaults() {
    memset(faults_, 0, sizeof faults_);
    memset(faultSeen_, 0, sizeof faultSeen_);
}

// Every armed fault counts the requests it matches; the first one due fires.
const Fault* SimBios::MatchFault(const Regs& request) {
    const Fault* due = nullptr;
    for (uint32_t i = 0; i < kMaxFaults; ++i) {
        const Fault& fault = faults_[i];
        if (fault.kind == kFaultNone || Exhausted(fault, faultSeen_[i]) || !Matches(fault, request))
            continue;
        const uint32_t seen = ++faultSeen_[i];
        if (!due && seen > fault.skip)
            due = &fault;
    }
    return due;
}

LogEntry& SimBios::StartLogEntry(const Regs& request) {
    LogEntry& entry = log_[logNext_];
    memset(&entry, 0, sizeof entry);
    entry.sequence = ++logTotal_;
    memcpy(&entry.request, &request, sizeof request);
    logNext_ = (logNext_ + 1) % kLogCapacity;
    return entry;
}

uint32_t SimBios::LogCount() const {
    return logTotal_ < kLogCapacity ? logTotal_ : kLogCapacity;
}

const LogEntry& SimBios::LogAt(uint32_t index) const {
    const uint32_t count = LogCount();
    if (index >= count)
        return kNoLogEntry;
    const uint32_t oldest = (logNext_ + kLogCapacity - count) % kLogCapacity;
    return log_[(oldest + index) % kLogCapacity];
}

void SimBios::ClearLog() {
    logNext_ = 0;
    logTotal_ = 0;
}

} // namespace sim
