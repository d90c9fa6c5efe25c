// zepctl's command line: one command with its arguments and a few switches. A
// password is never taken from it. Free of <windows.h>.
#pragma once

#include <cstddef>

enum class CommandKind { Help, Show, Export, Import, Get, Set };

struct Command {
    CommandKind kind = CommandKind::Help;
    const char* file = nullptr;  // export, import
    const char* key = nullptr;   // get, set: "Section.Key"
    const char* value = nullptr; // set
    bool json = false;           // show --json
    bool dryRun = false;         // import and set --dry-run
    bool passwordStdin = false;  // the setup password comes from standard input
};

// False with error filled when the arguments (argv[1] on) make no command.
bool ParseCommandLine(int argc, const char* const* argv, Command& command, char* error,
                      size_t errorSize);
