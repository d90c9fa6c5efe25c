// simctl: sets up the simulated notebook and shows what was asked of it.
//   simctl help        lists the commands
#include "OperationNames.h"
#include "SettingFields.h"
#include "SimControl.h"
#include "SimProfiles.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

const char kUsageText[] =
    "usage: simctl COMMAND [ARGUMENTS]\n"
    "  status                      checks that the simulated notebook answers\n"
    "  profiles                    lists the named machines\n"
    "  profile NAME                switches to a named machine\n"
    "  show                        prints every setting\n"
    "  get SETTING                 prints one setting\n"
    "  set SETTING VALUE           changes one setting (numbers: 1, 0x1999;\n"
    "                              bootSequence: 1,2,0; passwords: 1e,30 or none)\n"
    "  defaults                    restores the default settings\n"
    "  reset                       default machine and settings, empty log, no faults\n"
    "  log                         prints the request log, oldest first (the log lasts\n"
    "                              as long as the Wine session: wineserver -p keeps it)\n"
    "  clear-log                   empties the request log\n"
    "  fault KIND AX BL [CODE [SKIP [COUNT]]]\n"
    "                              fails matching requests; KIND transport, status,\n"
    "                              answer (AH = CODE) or random (a successful reply with\n"
    "                              pseudo-random registers; CODE is the seed); AX 0\n"
    "                              matches every group, BL any every function; COUNT 0\n"
    "                              (default) = all following\n"
    "  clear-faults                removes every armed fault\n";

int Usage() {
    std::fputs(kUsageText, stderr);
    return kUsage;
}

int Failed(const SimControl& control, const char* what) {
    std::fprintf(stderr, "simctl: %s failed (error %lu)\n", what,
                 static_cast<unsigned long>(control.LastError()));
    return kFailed;
}

bool ParseWord(const char* text, uint32_t max, uint32_t& value) {
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(text, &end, 0);
    if (*text == '\0' || *text == '-' || *end != '\0' || parsed > max)
        return false;
    value = static_cast<uint32_t>(parsed);
    return true;
}

void PrintRegs(const char* label, const sim::Regs& r) {
    std::printf("    %s status=%08X eax=%08X ebx=%08X ecx=%08X edx=%08X esi=%08X edi=%08X", label,
                r.status, r.eax, r.ebx, r.ecx, r.edx, r.esi, r.edi);
    // Requests carry zeros here; anything else is worth seeing.
    if (r.reserved[0] | r.reserved[1] | r.reserved[2] | r.control[0] | r.control[1] | r.pad[0] |
        r.pad[1])
        std::printf(" reserved=%08X,%08X,%08X control=%02X,%02X pad=%02X,%02X", r.reserved[0],
                    r.reserved[1], r.reserved[2], r.control[0], r.control[1], r.pad[0], r.pad[1]);
    std::printf("\n");
}

void PrintLogEntry(const sim::LogEntry& entry) {
    std::printf("#%u %s AX=%04X BX=%04X\n", entry.sequence,
                OperationName(entry.request.eax, entry.request.ebx), entry.request.eax & 0xFFFF,
                entry.request.ebx & 0xFFFF);
    PrintRegs("in ", entry.request);
    if (entry.transportFailed)
        std::printf("    out transport failure (the request did not complete)\n");
    else
        PrintRegs("out", entry.reply);
    if (entry.bufferSize != 0) {
        const unsigned size =
            entry.bufferSize < sizeof entry.buffer ? entry.bufferSize : sizeof entry.buffer;
        std::printf("    buffer %s %u bytes:", entry.bufferWritten ? "written" : "read", size);
        for (unsigned i = 0; i < size; ++i)
            std::printf(" %02X", entry.buffer[i]);
        std::printf("\n");
    }
}

int ShowLog(SimControl& control) {
    std::vector<sim::LogEntry> entries;
    if (!control.ReadLog(entries))
        return Failed(control, "reading the log");
    for (const sim::LogEntry& entry : entries)
        PrintLogEntry(entry);
    std::printf("%u request(s)\n", static_cast<unsigned>(entries.size()));
    return 0;
}

int ShowSettings(SimControl& control, const char* only) {
    sim::BiosSettings settings;
    if (!control.GetSettings(settings))
        return Failed(control, "reading the settings");
    if (only != nullptr) {
        const SettingField* field = FindSettingField(only);
        if (field == nullptr) {
            std::fprintf(stderr, "simctl: no setting named %s (see simctl show)\n", only);
            return kUsage;
        }
        std::printf("%s\n", FormatSetting(settings, *field).c_str());
        return 0;
    }
    for (const SettingField* field = SettingFieldsBegin(); field != SettingFieldsEnd(); ++field)
        std::printf("%-18s %s\n", field->name, FormatSetting(settings, *field).c_str());
    return 0;
}

int SetSetting(SimControl& control, const char* name, const char* text) {
    const SettingField* field = FindSettingField(name);
    if (field == nullptr) {
        std::fprintf(stderr, "simctl: no setting named %s (see simctl show)\n", name);
        return kUsage;
    }
    sim::BiosSettings settings;
    if (!control.GetSettings(settings))
        return Failed(control, "reading the settings");
    if (!ParseSetting(text, *field, settings)) {
        std::fprintf(stderr, "simctl: %s is not a value for %s\n", text, name);
        return kUsage;
    }
    return control.SetSettings(settings) ? 0 : Failed(control, "changing the settings");
}

int ListProfiles() {
    for (uint32_t i = 0; i < sim::NamedProfileCount(); ++i)
        std::printf("%s\n", sim::NamedProfileName(i));
    return 0;
}

int ArmFault(SimControl& control, int argc, char** argv) {
    if (argc < 3 || argc > 6)
        return Usage();
    sim::Fault fault = {};
    const std::string kind = argv[0];
    if (kind == "transport")
        fault.kind = sim::kFaultTransport;
    else if (kind == "status")
        fault.kind = sim::kFaultStatus;
    else if (kind == "answer")
        fault.kind = sim::kFaultAnswerCode;
    else if (kind == "random")
        fault.kind = sim::kFaultRandomRegisters;
    else
        return Usage();

    uint32_t ax = 0, code = 0, skip = 0, count = 0, bl = 0;
    const bool anyFunction = std::strcmp(argv[2], "any") == 0;
    if (!ParseWord(argv[1], 0xFFFF, ax) || (!anyFunction && !ParseWord(argv[2], 0xFF, bl)) ||
        (argc > 3 &&
         !ParseWord(argv[3], fault.kind == sim::kFaultRandomRegisters ? 0xFFFFFFFF : 0xFF, code)) ||
        (argc > 4 && !ParseWord(argv[4], 0xFFFFFFFF, skip)) ||
        (argc > 5 && !ParseWord(argv[5], 0xFFFFFFFF, count)))
        return Usage();
    fault.ax = static_cast<uint16_t>(ax);
    fault.bl = static_cast<uint8_t>(bl);
    fault.matchAnyFunction = anyFunction ? 1 : 0;
    if (fault.kind == sim::kFaultRandomRegisters)
        fault.seed = code;
    else
        fault.answerCode = static_cast<uint8_t>(code);
    fault.skip = skip;
    fault.count = count;
    return control.ArmFault(fault) ? 0 : Failed(control, "arming the fault");
}

int Run(SimControl& control, const std::string& command, int argc, char** argv) {
    if (command == "status") {
        sim::MachineProfile profile;
        if (!control.GetProfile(profile))
            return Failed(control, "asking the simulated notebook");
        std::printf("simulated notebook answers: interface version %X.%02X\n",
                    profile.interfaceVersion >> 8, profile.interfaceVersion & 0xFF);
        return 0;
    }
    if (command == "profile" && argc == 1)
        return control.LoadProfile(argv[0]) ? 0 : Failed(control, "loading the profile");
    if (command == "show" && argc == 0)
        return ShowSettings(control, nullptr);
    if (command == "get" && argc == 1)
        return ShowSettings(control, argv[0]);
    if (command == "set" && argc == 2)
        return SetSetting(control, argv[0], argv[1]);
    if (command == "defaults" && argc == 0)
        return control.RestoreDefaultSettings() ? 0 : Failed(control, "restoring the defaults");
    if (command == "reset" && argc == 0)
        return control.Reset() ? 0 : Failed(control, "resetting");
    if (command == "log" && argc == 0)
        return ShowLog(control);
    if (command == "clear-log" && argc == 0)
        return control.ClearLog() ? 0 : Failed(control, "clearing the log");
    if (command == "fault")
        return ArmFault(control, argc, argv);
    if (command == "clear-faults" && argc == 0)
        return control.ClearFaults() ? 0 : Failed(control, "clearing the faults");
    return Usage();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "help" || command == "--help") {
        std::fputs(kUsageText, stdout);
        return 0;
    }
    if (command == "profiles")
        return ListProfiles();

    SimControl control;
    if (!control.Open()) {
        std::fprintf(stderr,
                     "simctl: cannot open \\\\.\\vovudo (error %lu): the simulated notebook's "
                     "driver is not running in this Wine prefix (tools/wine-env.sh BUILD_DIR "
                     "installs it)\n",
                     static_cast<unsigned long>(control.LastError()));
        return kFailed;
    }
    return Run(control, command, argc - 2, argv + 2);
}
