#include "ZepProcess.h"

#include "WinPath.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace e2e {

namespace {
constexpr DWORD kKillWaitMs = 5000;
constexpr char kAppDefaultsKey[] = "Software\\Wine\\AppDefaults\\zep.exe";
} // namespace

ZepProcess::~ZepProcess() {
    Kill();
}

bool ZepProcess::Start(const std::string& exePath, const std::string& arguments) {
    if (process_ != nullptr) {
        error_ = "a process is still owned";
        return false;
    }
    const std::string path = WindowsPathOf(exePath);
    const std::string folder = FolderOf(path);
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    // CreateProcessA may write into the command line.
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(path.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        char text[128];
        std::snprintf(text, sizeof text, "CreateProcessA failed with error %lu",
                      static_cast<unsigned long>(GetLastError()));
        error_ = text + std::string(" for ") + path;
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    error_.clear();
    return true;
}

bool ZepProcess::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool ZepProcess::WaitForExit(DWORD timeoutMs) {
    return process_ != nullptr && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ZepProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_ != nullptr)
        GetExitCodeProcess(process_, &code);
    return code;
}

void ZepProcess::Kill() {
    if (process_ == nullptr)
        return;
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kKillWaitMs);
    }
    Release();
}

void ZepProcess::Release() {
    if (process_ != nullptr)
        CloseHandle(process_);
    process_ = nullptr;
    id_ = 0;
}

const char* ZepPathVariable(ZepProgram program) {
    return program == ZepProgram::kSixPages ? "TARVELL_ZEP6_EXE" : "TARVELL_ZEP_EXE";
}

std::string ZepPath(ZepProgram program) {
    const char* path = std::getenv(ZepPathVariable(program));
    return path ? path : "";
}

void EndRunningCopies() {
    for (int i = 0; i < 4; ++i) {
        HWND left = FindWindowA("#32770", "Tarvell");
        if (left == nullptr)
            return;
        DWORD processId = 0;
        GetWindowThreadProcessId(left, &processId);
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        if (process == nullptr)
            return;
        TerminateProcess(process, 1);
        WaitForSingleObject(process, kKillWaitMs);
        CloseHandle(process);
    }
}

bool StartDetached(const std::string& exePath) {
    const std::string path = WindowsPathOf(exePath);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

Windows98ForZep::Windows98ForZep() {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kAppDefaultsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return;
    set_ = RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win98"), 6) ==
           ERROR_SUCCESS;
    RegCloseKey(key);
}

Windows98ForZep::~Windows98ForZep() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kAppDefaultsKey, 0, KEY_SET_VALUE, &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(key, "Version");
        RegCloseKey(key);
    }
}

} // namespace e2e
