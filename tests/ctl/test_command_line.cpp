// zepctl's command line: which words make which command, and what is refused.
#include "CommandLine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct LineCase {
    std::vector<const char*> words; // after "zepctl"
    bool accepted;
    CommandKind kind;
    const char* error; // a part of the error when refused
};

const LineCase kLines[] = {
    {{"show"}, true, CommandKind::Show, ""},
    {{"show", "--json"}, true, CommandKind::Show, ""},
    {{"--help"}, true, CommandKind::Help, ""},
    {{"import", "a.ini", "--help"}, true, CommandKind::Help, ""},
    {{"import", "a.ini", "--dry-run", "--password-stdin"}, true, CommandKind::Import, ""},
    {{"set", "POST.SilentBoot", "On"}, true, CommandKind::Set, ""},
    {{}, false, CommandKind::Help, "no command"},
    {{"frobnicate"}, false, CommandKind::Help, "unknown command"},
    {{"import"}, false, CommandKind::Help, "usage: zepctl import"},
    {{"set", "POST.SilentBoot"}, false, CommandKind::Help, "usage: zepctl set"},
    {{"get", "a", "b"}, false, CommandKind::Help, "unexpected argument 'b'"},
    {{"export", "a.ini", "--json"}, false, CommandKind::Help, "--json goes with show"},
    {{"show", "--dry-run"}, false, CommandKind::Help, "--dry-run goes with import and set"},
    {{"import", "a.ini", "--password=secret"}, false, CommandKind::Help, "never taken"},
    {{"import", "a.ini", "--password", "secret"}, false, CommandKind::Help, "never taken"},
    {{"show", "-x"}, false, CommandKind::Help, "unknown option -x"},
};

TEST(CommandLineTest, WordsMakeCommandsOrPreciseErrors) {
    for (const LineCase& c : kLines) {
        std::vector<const char*> argv = {"zepctl"};
        argv.insert(argv.end(), c.words.begin(), c.words.end());
        std::string line;
        for (const char* word : c.words)
            line += std::string(word) + " ";
        Command command;
        char error[256] = "";
        const bool accepted = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), command,
                                               error, sizeof error);
        EXPECT_EQ(c.accepted, accepted) << line << error;
        if (accepted)
            EXPECT_EQ(c.kind, command.kind) << line;
        else
            EXPECT_NE(nullptr, std::strstr(error, c.error)) << line << "-> " << error;
    }
}

} // namespace
