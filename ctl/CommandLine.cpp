#include "CommandLine.h"

#include "TextMatch.h"

#include <cstdio>
#include <cstring>

namespace {

struct CommandShape {
    const char* name;
    CommandKind kind;
    int operands; // words after the command name
    const char* usage;
};

const CommandShape kCommands[] = {
    {"show", CommandKind::Show, 0, "show [--json]"},
    {"export", CommandKind::Export, 1, "export FILE"},
    {"import", CommandKind::Import, 1, "import FILE [--dry-run]"},
    {"get", CommandKind::Get, 1, "get Section.Key"},
    {"set", CommandKind::Set, 2, "set Section.Key VALUE [--dry-run]"},
};

bool Fail(char* error, size_t size, const char* format, const char* word) {
    std::snprintf(error, size, format, word);
    return false;
}

} // namespace

bool ParseCommandLine(int argc, const char* const* argv, Command& command, char* error,
                      size_t errorSize) {
    command = Command();
    const CommandShape* shape = nullptr;
    const char* operands[2] = {nullptr, nullptr};
    int operandCount = 0;
    bool help = false;
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (std::strcmp(word, "--help") == 0 || std::strcmp(word, "-h") == 0 ||
            std::strcmp(word, "/?") == 0) {
            help = true;
        } else if (std::strcmp(word, "--json") == 0) {
            command.json = true;
        } else if (std::strcmp(word, "--dry-run") == 0) {
            command.dryRun = true;
        } else if (std::strcmp(word, "--password-stdin") == 0) {
            command.passwordStdin = true;
        } else if (std::strncmp(word, "--password", 10) == 0) {
            return Fail(error, errorSize,
                        "%s: a password is never taken from the command line; use "
                        "--password-stdin or type it when asked",
                        word);
        } else if (word[0] == '-' && word[1] != '\0') {
            return Fail(error, errorSize, "unknown option %s", word);
        } else if (!shape) {
            for (const CommandShape& candidate : kCommands) {
                if (EqualsIgnoreCase(candidate.name, word))
                    shape = &candidate;
            }
            if (!shape)
                return Fail(error, errorSize, "unknown command '%s'", word);
        } else if (operandCount < shape->operands) {
            operands[operandCount++] = word;
        } else {
            return Fail(error, errorSize, "unexpected argument '%s'", word);
        }
    }
    if (help || !shape) {
        command.kind = CommandKind::Help;
        if (!help)
            return Fail(error, errorSize, "%s", "no command given");
        return true;
    }
    if (operandCount < shape->operands)
        return Fail(error, errorSize, "usage: zepctl %s", shape->usage);
    if (command.json && shape->kind != CommandKind::Show)
        return Fail(error, errorSize, "%s", "--json goes with show only");
    if (command.dryRun && shape->kind != CommandKind::Import && shape->kind != CommandKind::Set)
        return Fail(error, errorSize, "%s", "--dry-run goes with import and set only");
    command.kind = shape->kind;
    if (shape->kind == CommandKind::Export || shape->kind == CommandKind::Import)
        command.file = operands[0];
    else if (shape->kind == CommandKind::Get || shape->kind == CommandKind::Set)
        command.key = operands[0];
    if (shape->kind == CommandKind::Set)
        command.value = operands[1];
    return true;
}
