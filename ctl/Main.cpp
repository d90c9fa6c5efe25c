// zepctl.exe: the console companion of zep.exe. Opens the BIOS service driver, checks
// the BIOS interface, runs one command and exits with its code.
#include "BiosCatalogue.h"
#include "Commands.h"
#include "DriverChannel.h"

#include <windows.h>

#include <cstdio>

namespace {

// Ctrl+C or a closed console while the hot-key button is off must not leave it off.
BOOL WINAPI TurnHotkeyButtonOn(DWORD) {
    SetHotkeyButton(1);
    return FALSE; // the default handling ends the process
}

} // namespace

int main(int argc, char** argv) {
    Command command;
    char error[256];
    if (!ParseCommandLine(argc, argv, command, error, sizeof error)) {
        std::fprintf(stderr, "zepctl: %s\nzepctl --help lists the commands and settings.\n", error);
        return kExitUsage;
    }
    if (command.kind == CommandKind::Help) {
        PrintHelp(stdout);
        return kExitDone;
    }
    if (!OpenDriver()) {
        std::fprintf(stderr, "zepctl: VOVUDO service is not available.\n");
        return kExitUsage;
    }
    uint8_t code = 0;
    uint16_t version = 0;
    if (!VESKCheck(&code, &version)) {
        std::fprintf(stderr, "zepctl: Incorrect BIOS Version\n");
        CloseDriver();
        return kExitUsage;
    }
    ::SetConsoleCtrlHandler(TurnHotkeyButtonOn, TRUE);
    const int result = RunCommand(command);
    ::SetConsoleCtrlHandler(TurnHotkeyButtonOn, FALSE);
    CloseDriver();
    return result;
}
