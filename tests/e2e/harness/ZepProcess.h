// A program under test, started with CreateProcessA in this Wine session. The object
// owns the process: one still running when the object goes is terminated, so a failed
// test never leaves a copy behind to confuse the next one.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class ZepProcess {
public:
    ZepProcess() = default;
    ~ZepProcess();
    ZepProcess(const ZepProcess&) = delete;
    ZepProcess& operator=(const ZepProcess&) = delete;

    // exePath may be a Linux path; the working folder is the program's own.
    // False (see Error) when the process could not be created, or one is still owned.
    bool Start(const std::string& exePath, const std::string& arguments = "");
    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    bool Running() const;
    // True once the process has ended (within timeoutMs).
    bool WaitForExit(DWORD timeoutMs);
    // The exit code of an ended process; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    // Ends a running process at once and forgets it.
    void Kill();
    // Forgets an ended process so the object can start another.
    void Release();
    const std::string& Error() const { return error_; }

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    std::string error_;
};

// The program the tests run: the path in the environment variable TARVELL_ZEP_EXE
// (set by CTest); empty when it is not set.
std::string ZepPath();

} // namespace e2e
