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

// Ends every running copy of the program (a visible dialog-class window titled
// "Tarvell" of any process), such as one a failed run left behind.
void EndRunningCopies();
// Starts a program and lets it go: it outlives the caller. False when it cannot start.
bool StartDetached(const std::string& exePath);

// Makes Wine report Windows 98 (version 4.10) to programs named zep.exe while the
// object lives.
class Windows98ForZep {
public:
    Windows98ForZep();
    ~Windows98ForZep();
    Windows98ForZep(const Windows98ForZep&) = delete;
    Windows98ForZep& operator=(const Windows98ForZep&) = delete;
    bool Set() const { return set_; }

private:
    bool set_ = false;
};

// The two programs built from the one page table.
enum class ZepProgram {
    kFivePages, // the shipped sheet; its path in TARVELL_ZEP_EXE
    kSixPages,  // the sheet with the Power Management page; its path in TARVELL_ZEP6_EXE
};

// The environment variable (set by CTest) that holds the program's path.
const char* ZepPathVariable(ZepProgram program);
// The path of program; empty when its variable is not set.
std::string ZepPath(ZepProgram program = ZepProgram::kFivePages);

} // namespace e2e
