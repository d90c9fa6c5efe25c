#include "Commands.h"

#include "ApplyPlan.h"
#include "InfoRows.h"
#include "LocalClock.h"
#include "MachineFacts.h"
#include "PasswordGate.h"
#include "SettingsText.h"

#include <cstdio>
#include <string>

namespace {

// A settings file is a few hundred bytes; anything this large is not one.
constexpr size_t kMaxFileSize = 64 * 1024;

void PrintValue(FILE* out, const SettingRow& row, const SettingValue& value) {
    char text[kSettingTextSize];
    row.format(value, text, sizeof text);
    std::fprintf(out, "%s", text);
}

void PrintChange(const Change& change) {
    std::printf("  %s.%s: ", change.row->section, change.row->key);
    PrintValue(stdout, *change.row, change.from);
    std::printf(" -> ");
    PrintValue(stdout, *change.row, change.to);
    std::printf("\n");
}

bool ReadWholeFile(const char* path, std::string& text) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    char chunk[4096];
    size_t read = 0;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0 && text.size() <= kMaxFileSize)
        text.append(chunk, read);
    const bool complete = !std::ferror(file) && text.size() <= kMaxFileSize;
    std::fclose(file);
    return complete;
}

// Writes what differs from the BIOS, after the setup-password gate.
int ApplySettings(const std::vector<FileSetting>& settings, MachineFacts& facts,
                  const Command& command) {
    const std::vector<Change> changes = PlanChanges(settings, facts);
    if (changes.empty()) {
        std::printf("Nothing to change: the BIOS already holds these settings.\n");
        return kExitDone;
    }
    if (command.dryRun) {
        std::printf("Would change (dry run, nothing written):\n");
        for (const Change& change : changes)
            PrintChange(change);
        return kExitDone;
    }
    if (!PassSetupPasswordGate(command.passwordStdin))
        return kExitRefused;
    const ApplyResult result = ApplyChanges(changes);
    if (result.written > 0) {
        std::printf("Changed:\n");
        for (size_t i = 0; i < result.written; ++i)
            PrintChange(changes[i]);
    }
    if (result.refused) {
        const Change& refused = changes[result.written];
        std::fprintf(stderr, "zepctl: the BIOS refused %s.%s = ", refused.row->section,
                     refused.row->key);
        PrintValue(stderr, *refused.row, refused.to);
        std::fprintf(stderr, "; nothing after it was sent\n");
    }
    if (result.checksumFailed)
        std::fprintf(stderr, "zepctl: the BIOS refused the CMOS checksum\n");
    if (result.written > 0)
        std::printf(result.restartNeeded ? "Restart the computer for the changes to take effect.\n"
                                         : "No restart needed.\n");
    return result.refused || result.checksumFailed ? kExitRefused : kExitDone;
}

int Show(const Command& command) {
    MachineFacts facts(LocalTimeNow());
    const std::vector<InfoRow> info = CollectInfoRows();
    const std::string text = command.json ? SettingsJson(facts, info) : SettingsIni(facts, &info);
    std::fputs(text.c_str(), stdout);
    return kExitDone;
}

int Export(const Command& command) {
    MachineFacts facts(LocalTimeNow());
    const std::string text = "; Tarvell BIOS settings (zepctl export). Edit the values and\n"
                             "; apply them with: zepctl import FILE [--dry-run]\n\n" +
                             SettingsIni(facts, nullptr);
    FILE* file = std::fopen(command.file, "wb");
    const bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = file && std::fclose(file) == 0;
    if (!written || !closed) {
        std::fprintf(stderr, "zepctl: cannot write %s\n", command.file);
        return kExitUsage;
    }
    return kExitDone;
}

int Import(const Command& command) {
    std::string text;
    if (!ReadWholeFile(command.file, text)) {
        std::fprintf(stderr, "zepctl: cannot read %s\n", command.file);
        return kExitUsage;
    }
    MachineFacts facts(LocalTimeNow());
    std::vector<FileSetting> settings;
    std::vector<FileProblem> problems;
    ReadSettingsText(text.c_str(), facts, settings, problems);
    if (!problems.empty()) {
        for (const FileProblem& problem : problems)
            std::fprintf(stderr, "%s:%d: %s\n", command.file, problem.line, problem.reason);
        std::fprintf(stderr, "zepctl: %s refused; nothing written\n", command.file);
        return kExitRefused;
    }
    return ApplySettings(settings, facts, command);
}

const SettingRow* FindOrComplain(const char* key) {
    const SettingRow* row = FindSetting(key);
    if (!row)
        std::fprintf(stderr, "zepctl: unknown setting '%s' (zepctl --help lists them)\n", key);
    return row;
}

int Get(const Command& command) {
    const SettingRow* row = FindOrComplain(command.key);
    if (!row)
        return kExitUsage;
    MachineFacts facts(LocalTimeNow());
    SettingValue value = ZeroValue();
    if (!facts.Current(*row, value)) {
        std::fprintf(stderr, "zepctl: %s.%s: this machine's BIOS does not offer it\n", row->section,
                     row->key);
        return kExitRefused;
    }
    PrintValue(stdout, *row, value);
    std::printf("\n");
    return kExitDone;
}

int Set(const Command& command) {
    const SettingRow* row = FindOrComplain(command.key);
    if (!row)
        return kExitUsage;
    MachineFacts facts(LocalTimeNow());
    FileSetting setting;
    FileProblem problem;
    if (!CheckSetting(*row, command.value, 0, facts, setting, problem)) {
        std::fprintf(stderr, "zepctl: %s; nothing written\n", problem.reason);
        return kExitRefused;
    }
    return ApplySettings({setting}, facts, command);
}

} // namespace

int RunCommand(const Command& command) {
    switch (command.kind) {
    case CommandKind::Show:
        return Show(command);
    case CommandKind::Export:
        return Export(command);
    case CommandKind::Import:
        return Import(command);
    case CommandKind::Get:
        return Get(command);
    case CommandKind::Set:
        return Set(command);
    case CommandKind::Help:
        break;
    }
    PrintHelp(stdout);
    return kExitDone;
}

void PrintHelp(FILE* out) {
    std::fputs("zepctl: reads and changes this notebook's BIOS settings from the command line.\n"
               "\n"
               "  zepctl show [--json]          the Information Viewer's facts and every setting\n"
               "  zepctl export FILE            the settings as a file (never passwords)\n"
               "  zepctl import FILE [--dry-run] checks every line, then writes what differs\n"
               "  zepctl get Section.Key        one setting\n"
               "  zepctl set Section.Key VALUE [--dry-run]\n"
               "\n"
               "When the BIOS has a setup password, import and set ask for it at the console\n"
               "(three tries); --password-stdin reads one try per line from standard input\n"
               "instead. A password is never accepted on the command line.\n"
               "\n"
               "Settings (Section.Key = values), written in this order:\n",
               out);
    for (size_t i = 0; i < SettingCount(); ++i) {
        const SettingRow& row = SettingAt(i);
        std::fprintf(out, "  %s.%s = %s%s\n", row.section, row.key, row.values,
                     row.restart ? " (after a restart)" : "");
    }
    std::fputs("\nA resume alarm is a real date and time, not before the computer's clock and\n"
               "not after 2079. Writing Power.ModemRingResume also updates the power driver's\n"
               "flags in the registry, as the Power Management page does.\n"
               "\nExit codes: 0 done; 1 refused (bad file or value, wrong password, the BIOS\n"
               "refused a write); 2 usage error, unreadable file or no driver.\n",
               out);
}
