// Stops and starts the simulated notebook's driver service in this Wine session, for the
// test of a machine on which the program finds no driver.
#pragma once

#include <windows.h>

namespace e2e {

constexpr char kDriverService[] = "vovudo";

// Each waits up to timeoutMs for the service to reach its new state.
bool StopDriverService(DWORD timeoutMs);
bool StartDriverService(DWORD timeoutMs);

// Stops the driver for one scope and starts it again when the scope ends, whatever
// the test did in between.
class DriverStopped {
public:
    DriverStopped();
    ~DriverStopped();
    DriverStopped(const DriverStopped&) = delete;
    DriverStopped& operator=(const DriverStopped&) = delete;
    bool Stopped() const { return stopped_; }

private:
    bool stopped_;
};

} // namespace e2e
