#include "SimControl.h"

#include <cstring>

bool SimControl::Open() {
    Close();
    device_ = CreateFileA("\\\\.\\vovudo", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                          nullptr);
    lastError_ = IsOpen() ? 0 : GetLastError();
    return IsOpen();
}

void SimControl::Close() {
    if (IsOpen())
        CloseHandle(device_);
    device_ = INVALID_HANDLE_VALUE;
}

bool SimControl::Send(uint32_t command, uint32_t argument, const void* input, DWORD inputSize,
                      void* output, DWORD outputSize, DWORD* returned) {
    std::vector<uint8_t> request(sizeof(sim::ControlHeader) + inputSize);
    const sim::ControlHeader header = {command, argument};
    std::memcpy(request.data(), &header, sizeof header);
    if (inputSize != 0)
        std::memcpy(request.data() + sizeof header, input, inputSize);

    DWORD bytes = 0;
    const BOOL done =
        DeviceIoControl(device_, sim::kControlIoctl, request.data(),
                        static_cast<DWORD>(request.size()), output, outputSize, &bytes, nullptr);
    lastError_ = done ? 0 : GetLastError();
    if (returned != nullptr)
        *returned = bytes;
    return done != FALSE;
}

template <typename T> bool SimControl::Fetch(uint32_t command, T& value) {
    T answer;
    DWORD returned = 0;
    if (!Send(command, 0, nullptr, 0, &answer, sizeof answer, &returned))
        return false;
    if (returned != sizeof answer) {
        lastError_ = ERROR_INVALID_DATA;
        return false;
    }
    value = answer;
    return true;
}

bool SimControl::Reset() {
    return Send(sim::kControlReset, 0, nullptr, 0, nullptr, 0);
}

bool SimControl::LoadProfile(const sim::MachineProfile& profile) {
    return Send(sim::kControlLoadProfile, 0, &profile, sizeof profile, nullptr, 0);
}

bool SimControl::LoadProfile(const char* name) {
    sim::ProfileName wanted = {};
    if (std::strlen(name) >= sizeof wanted.text) {
        lastError_ = ERROR_INVALID_PARAMETER;
        return false;
    }
    std::strncpy(wanted.text, name, sizeof wanted.text - 1);
    return Send(sim::kControlLoadNamedProfile, 0, &wanted, sizeof wanted, nullptr, 0);
}

bool SimControl::GetProfile(sim::MachineProfile& profile) {
    return Fetch(sim::kControlGetProfile, profile);
}

bool SimControl::GetSettings(sim::BiosSettings& settings) {
    return Fetch(sim::kControlGetSettings, settings);
}

bool SimControl::SetSettings(const sim::BiosSettings& settings) {
    return Send(sim::kControlSetSettings, 0, &settings, sizeof settings, nullptr, 0);
}

bool SimControl::RestoreDefaultSettings() {
    return Send(sim::kControlDefaultSettings, 0, nullptr, 0, nullptr, 0);
}

bool SimControl::ReadLog(std::vector<sim::LogEntry>& entries) {
    constexpr uint32_t kPerPage = 64;
    std::vector<uint8_t> page(sizeof(sim::LogPage) + kPerPage * sizeof(sim::LogEntry));
    std::vector<sim::LogEntry> read;
    for (;;) {
        const uint32_t first = static_cast<uint32_t>(read.size());
        DWORD returned = 0;
        if (!Send(sim::kControlReadLog, first, nullptr, 0, page.data(),
                  static_cast<DWORD>(page.size()), &returned))
            return false;
        sim::LogPage header;
        std::memcpy(&header, page.data(), sizeof header);
        if (returned < sizeof header || header.count > kPerPage ||
            returned != sizeof header + header.count * sizeof(sim::LogEntry)) {
            lastError_ = ERROR_INVALID_DATA;
            return false;
        }
        const size_t had = read.size();
        read.resize(had + header.count);
        std::memcpy(read.data() + had, page.data() + sizeof header,
                    header.count * sizeof(sim::LogEntry));
        if (header.count == 0 || read.size() >= header.total)
            break;
    }
    entries.swap(read);
    return true;
}

bool SimControl::ClearLog() {
    return Send(sim::kControlClearLog, 0, nullptr, 0, nullptr, 0);
}

bool SimControl::ArmFault(const sim::Fault& fault) {
    return Send(sim::kControlArmFault, 0, &fault, sizeof fault, nullptr, 0);
}

bool SimControl::ClearFaults() {
    return Send(sim::kControlClearFaults, 0, nullptr, 0, nullptr, 0);
}
