#include "SimLog.h"

#include "OperationNames.h"
#include "Poll.h"

#include <cstdio>
#include <cstring>

namespace e2e {

std::vector<std::string> NamesOf(const std::vector<BiosRequest>& log) {
    std::vector<std::string> names;
    for (const BiosRequest& request : log)
        names.push_back(request.name);
    return names;
}

std::string Names(const std::vector<BiosRequest>& log) {
    std::string names;
    for (const BiosRequest& request : log)
        names += (names.empty() ? "" : ", ") + request.name;
    return names;
}

size_t CountOf(const std::vector<BiosRequest>& log, const std::string& name) {
    size_t count = 0;
    for (const BiosRequest& request : log)
        count += request.name == name ? 1 : 0;
    return count;
}

int IndexOf(const std::vector<BiosRequest>& log, const std::string& name, size_t from) {
    for (size_t i = from; i < log.size(); ++i) {
        if (log[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<BiosRequest> Only(const std::vector<BiosRequest>& log,
                              std::initializer_list<const char*> names) {
    std::vector<BiosRequest> found;
    for (const BiosRequest& request : log) {
        for (const char* name : names) {
            if (request.name == name)
                found.push_back(request);
        }
    }
    return found;
}

std::string Describe(const std::vector<BiosRequest>& log) {
    std::string text;
    for (const BiosRequest& request : log) {
        char item[64];
        std::snprintf(item, sizeof item, "%s%s(%u)", text.empty() ? "" : ", ", request.name.c_str(),
                      static_cast<unsigned>(request.bh));
        text += item;
    }
    return text.empty() ? "(no requests)" : text;
}

bool SimNotebook::Open(DWORD timeoutMs) {
    return WaitUntil([&] { return control_.IsOpen() || control_.Open(); }, timeoutMs);
}

sim::BiosSettings SimNotebook::Settings() {
    sim::BiosSettings settings;
    std::memset(&settings, 0, sizeof settings);
    control_.GetSettings(settings);
    return settings;
}

bool SimNotebook::Change(const std::function<void(sim::BiosSettings&)>& edit) {
    sim::BiosSettings settings;
    if (!control_.GetSettings(settings))
        return false;
    edit(settings);
    return control_.SetSettings(settings);
}

bool SimNotebook::ChangeProfile(const std::function<void(sim::MachineProfile&)>& edit) {
    sim::MachineProfile profile;
    if (!control_.GetProfile(profile))
        return false;
    edit(profile);
    return control_.LoadProfile(profile);
}

std::vector<BiosRequest> SimNotebook::LogThrough(const char* name) {
    std::vector<BiosRequest> log;
    WaitUntil([&] { return CountOf(log = Log(), name) > 0; }, kWindowMs);
    return log;
}

bool SimNotebook::SetSetupPassword(const std::vector<uint8_t>& codes) {
    sim::BiosSettings settings;
    if (codes.size() > sim::kMaxPasswordLength || !control_.GetSettings(settings))
        return false;
    std::memset(settings.setupPassword, 0, sizeof settings.setupPassword);
    if (!codes.empty())
        std::memcpy(settings.setupPassword, codes.data(), codes.size());
    settings.setupPasswordLength = static_cast<uint8_t>(codes.size());
    return control_.SetSettings(settings);
}

std::vector<BiosRequest> SimNotebook::Log() {
    std::vector<sim::LogEntry> entries;
    std::vector<BiosRequest> log;
    if (!control_.ReadLog(entries))
        return log;
    for (const sim::LogEntry& entry : entries) {
        BiosRequest request;
        request.name = OperationName(entry.request.eax, entry.request.ebx);
        request.ax = static_cast<uint16_t>(entry.request.eax & 0xFFFF);
        request.bx = static_cast<uint16_t>(entry.request.ebx & 0xFFFF);
        request.bh = static_cast<uint8_t>((entry.request.ebx >> 8) & 0xFF);
        request.cx = static_cast<uint16_t>(entry.request.ecx & 0xFFFF);
        request.failed = entry.transportFailed != 0 || entry.reply.status == sim::kStatusFailed;
        if (entry.bufferSize != 0 && !entry.bufferWritten) {
            const size_t size =
                entry.bufferSize < sizeof entry.buffer ? entry.bufferSize : sizeof entry.buffer;
            request.buffer.assign(entry.buffer, entry.buffer + size);
        }
        log.push_back(request);
    }
    return log;
}

bool SimNotebook::FailFunction(uint16_t ax, uint8_t bl, uint32_t count, uint32_t skip) {
    sim::Fault fault;
    std::memset(&fault, 0, sizeof fault);
    fault.kind = sim::kFaultStatus;
    fault.ax = ax;
    fault.bl = bl;
    fault.count = count;
    fault.skip = skip;
    return control_.ArmFault(fault);
}

} // namespace e2e
