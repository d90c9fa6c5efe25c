#include "ZepctlRun.h"

#include "WinPath.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr DWORD kRunTimeoutMs = 120000;

HANDLE InheritableFile(const std::string& path, DWORD access, DWORD disposition) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return ::CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                         disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string TempFolder() {
    char folder[MAX_PATH];
    const DWORD length = ::GetTempPathA(sizeof folder, folder);
    return length > 0 && length < sizeof folder ? std::string(folder) : std::string(".\\");
}

} // namespace

std::string TempFileWith(const std::string& name, const std::string& text) {
    const std::string path = TempFolder() + "zepctl-test-" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return path;
}

std::string ReadTempFile(const std::string& path) {
    std::string text;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return text;
    char chunk[4096];
    size_t read = 0;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, read);
    std::fclose(file);
    return text;
}

ZepctlRun RunZepctl(const std::string& arguments, const std::string& input) {
    ZepctlRun run;
    const char* exe = std::getenv("TARVELL_ZEPCTL_EXE");
    if (!exe)
        return run;
    const std::string inPath = TempFileWith("stdin.txt", input);
    const std::string outPath = TempFileWith("stdout.txt", "");
    const std::string errPath = TempFileWith("stderr.txt", "");
    HANDLE in = InheritableFile(inPath, GENERIC_READ, OPEN_EXISTING);
    HANDLE out = InheritableFile(outPath, GENERIC_WRITE, CREATE_ALWAYS);
    HANDLE err = InheritableFile(errPath, GENERIC_WRITE, CREATE_ALWAYS);

    std::string commandLine = "\"" + e2e::WindowsPathOf(exe) + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process = {};
    const BOOL started = ::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE,
                                          CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    ::CloseHandle(in);
    ::CloseHandle(out);
    ::CloseHandle(err);
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
