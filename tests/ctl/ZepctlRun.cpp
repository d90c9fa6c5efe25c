#include "ZepctlRun.h"

#include "WinPath.h"

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr DWORD kRunTimeoutMs = 120000;

HANDLE InheritableFile(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

std::string TempFileWith(const std::string& name, const std::string& text) {
    char folder[MAX_PATH] = ".\\";
    ::GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "zepctl-test-" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string ReadTempFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

ZepctlRun RunZepctl(const std::string& arguments, const std::string& input) {
    ZepctlRun run;
    const char* exe = std::getenv("TARVELL_ZEPCTL_EXE");
    if (!exe)
        return run;
    const std::string inPath = TempFileWith("stdin.txt", input);
    const std::string outPath = TempFileWith("stdout.txt", "");
    const std::string errPath = TempFileWith("stderr.txt", "");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = InheritableFile(inPath, GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = InheritableFile(outPath, GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = InheritableFile(errPath, GENERIC_WRITE, CREATE_ALWAYS);
    std::string commandLine = "\"" + e2e::WindowsPathOf(exe) + "\" " + arguments;
    PROCESS_INFORMATION process = {};
    const BOOL started = ::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE,
                                          CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    ::CloseHandle(startup.hStdInput);
    ::CloseHandle(startup.hStdOutput);
    ::CloseHandle(startup.hStdError);
    if (!started)
        return run;
    if (::WaitForSingleObject(process.hProcess, kRunTimeoutMs) == WAIT_OBJECT_0) {
        DWORD code = 0;
        ::GetExitCodeProcess(process.hProcess, &code);
        run.exitCode = code;
    } else {
        ::TerminateProcess(process.hProcess, 0xFFFFFFFF);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    run.out = ReadTempFile(outPath);
    run.err = ReadTempFile(errPath);
    return run;
}
