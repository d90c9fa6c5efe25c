// The simulated notebook as the program's drivers see it: set it up, read its settings
// and the requests the program sent, in a form that compares easily.
#pragma once

#include "SimControl.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

// One logged request, decoded.
struct BiosRequest {
    std::string name; // the BIOS operation, "?" when no operation sends this AX and BX
    uint16_t ax = 0;
    uint16_t bx = 0;
    uint8_t bh = 0; // the value or mode
    uint16_t cx = 0;
    bool failed = false;         // refused by the driver or answered with status 0xFFFFFFFF
    std::vector<uint8_t> buffer; // the caller's bytes the BIOS read (password codes)
};

std::vector<std::string> NamesOf(const std::vector<BiosRequest>& log);
// The names as one line: "GetMemoryTest, GetSilentBoot"; empty for no requests.
std::string Names(const std::vector<BiosRequest>& log);
size_t CountOf(const std::vector<BiosRequest>& log, const std::string& name);
// Index of the first request named name at or after from; -1 when there is none.
int IndexOf(const std::vector<BiosRequest>& log, const std::string& name, size_t from = 0);
// The requests with one of these names, in order.
std::vector<BiosRequest> Only(const std::vector<BiosRequest>& log,
                              std::initializer_list<const char*> names);
// "VESKCheck, AskSetupPasswd(1), ..." for failure messages: each name with its BH.
std::string Describe(const std::vector<BiosRequest>& log);

class SimNotebook {
public:
    // Opens the driver's control request, waiting up to timeoutMs for the driver.
    bool Open(DWORD timeoutMs);
    void Close() { control_.Close(); }
    bool IsOpen() const { return control_.IsOpen(); }
    SimControl& Control() { return control_; }

    // Default machine and settings, empty log, no faults.
    bool Reset() { return control_.Reset(); }
    bool LoadProfile(const char* name) { return control_.LoadProfile(name); }
    // Reads the machine, lets edit change it and loads it.
    bool ChangeProfile(const std::function<void(sim::MachineProfile&)>& edit);
    sim::BiosSettings Settings();
    // Reads the settings, lets edit change them and writes them back.
    bool Change(const std::function<void(sim::BiosSettings&)>& edit);
    bool SetSettings(const sim::BiosSettings& settings) { return control_.SetSettings(settings); }
    // Sets (or with an empty list removes) the setup password, as scan codes.
    bool SetSetupPassword(const std::vector<uint8_t>& codes);
    // Requests since the log was last cleared, oldest first.
    std::vector<BiosRequest> Log();
    // Waits until the log holds a request named name (the window timeout) and returns
    // the log then.
    std::vector<BiosRequest> LogThrough(const char* name);
    bool ClearLog() { return control_.ClearLog(); }
    // Makes the BIOS refuse requests of group ax, function bl (status 0xFFFFFFFF):
    // count of them (0 = all) after letting skip through.
    bool FailFunction(uint16_t ax, uint8_t bl, uint32_t count = 0, uint32_t skip = 0);

private:
    SimControl control_;
};

} // namespace e2e
