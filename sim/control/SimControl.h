// User-mode client of the simulated notebook's private control request. Tests and the
// simctl tool use it to set the machine up and to read what the program asked of it.
#pragma once

#include "ControlProtocol.h"

#include <windows.h>

#include <vector>

class SimControl {
public:
    SimControl() = default;
    ~SimControl() { Close(); }
    SimControl(const SimControl&) = delete;
    SimControl& operator=(const SimControl&) = delete;

    // Opens \\.\vovudo; false (see LastError) when the driver is not running.
    bool Open();
    void Close();
    bool IsOpen() const { return device_ != INVALID_HANDLE_VALUE; }

    // Each returns false when the driver refused the request; LastError tells why.
    bool Reset(); // default profile and settings, empty log, no faults
    bool LoadProfile(const sim::MachineProfile& profile);
    bool LoadProfile(const char* name); // one of the simulator's named machines
    bool GetProfile(sim::MachineProfile& profile);
    bool GetSettings(sim::BiosSettings& settings);
    bool SetSettings(const sim::BiosSettings& settings);
    bool RestoreDefaultSettings();
    bool ReadLog(std::vector<sim::LogEntry>& entries); // oldest first
    bool ClearLog();
    bool ArmFault(const sim::Fault& fault);
    bool ClearFaults();

    DWORD LastError() const { return lastError_; }

private:
    bool Send(uint32_t command, uint32_t argument, const void* input, DWORD inputSize, void* output,
              DWORD outputSize, DWORD* returned = nullptr);
    template <typename T> bool Fetch(uint32_t command, T& value);

    HANDLE device_ = INVALID_HANDLE_VALUE;
    DWORD lastError_ = 0;
};
