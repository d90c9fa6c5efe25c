#include "DriverService.h"

#include "Poll.h"

namespace e2e {

namespace {

// Starting a kernel service loads a driver host under the CPU emulator: slow.
constexpr DWORD kServiceMs = 60000;

class ServiceHandle {
public:
    explicit ServiceHandle(DWORD access) {
        manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
        if (manager_ != nullptr)
            service_ = OpenServiceA(manager_, kDriverService, access);
    }
    ~ServiceHandle() {
        if (service_ != nullptr)
            CloseServiceHandle(service_);
        if (manager_ != nullptr)
            CloseServiceHandle(manager_);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE get() const { return service_; }

private:
    SC_HANDLE manager_ = nullptr;
    SC_HANDLE service_ = nullptr;
};

bool WaitForState(SC_HANDLE service, DWORD state, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            SERVICE_STATUS status = {};
            return QueryServiceStatus(service, &status) && status.dwCurrentState == state;
        },
        timeoutMs);
}

} // namespace

bool StopDriverService(DWORD timeoutMs) {
    ServiceHandle service(SERVICE_STOP | SERVICE_QUERY_STATUS);
    if (service.get() == nullptr)
        return false;
    SERVICE_STATUS status = {};
    ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
    return WaitForState(service.get(), SERVICE_STOPPED, timeoutMs);
}

bool StartDriverService(DWORD timeoutMs) {
    ServiceHandle service(SERVICE_START | SERVICE_QUERY_STATUS);
    if (service.get() == nullptr)
        return false;
    StartServiceA(service.get(), 0, nullptr);
    return WaitForState(service.get(), SERVICE_RUNNING, timeoutMs);
}

DriverStopped::DriverStopped() : stopped_(StopDriverService(kServiceMs)) {}

DriverStopped::~DriverStopped() {
    StartDriverService(kServiceMs);
}

} // namespace e2e
