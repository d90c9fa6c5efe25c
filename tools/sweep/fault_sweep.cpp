// fault_sweep: runs each scenario once to count its BIOS requests, then once per
// request with that one request failed in each of four ways, and judges every run.
//   fault_sweep [--smoke] [--seed N] [--scenario NAME] [--counts]
//     --smoke     the CI subset: one scenario, the start-up and apply requests only
//     --seed N    base seed of the random-register replies (printed; default 12)
//     --scenario  only this scenario (repeatable)
//     --counts    only the runs without faults: requests per scenario, repeats, and
//                 each scenario's requests in order
// Prints scenarios x fault kinds (runs/bad) and every bad outcome; exit code 1 when
// there was one. Runs inside tests/e2e/run-e2e.sh (TARVELL_ZEP_EXE and TARVELL_ZEP6_EXE
// name the five- and six-page programs).
#include "Judge.h"
#include "KeyCodes.h"
#include "OperationNames.h"
#include "Poll.h"
#include "Scenarios.h"
#include "SimLog.h"
#include "ZepProcess.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace sweep;
using e2e::ZepProgram;

constexpr DWORD kDriverOpenMs = 30000;
constexpr DWORD kExitMs = e2e::kExitMs;

struct FaultKindRow {
    const char* name;
    uint32_t kind;
};
const FaultKindRow kKinds[] = {
    {"transport", sim::kFaultTransport},
    {"status", sim::kFaultStatus},
    {"AH not 0", sim::kFaultAnswerCode},
    {"random regs", sim::kFaultRandomRegisters},
};
constexpr uint8_t kRefusalCode = 0x86;

// The smoke subset: a scenario that passes through start-up, a change, Apply and the
// restart offer, faulting only these operations.
const char kSmokeScenario[] = "OK with restart offer";
const char* const kSmokeOperations[] = {"SetHotkeyButton", "EnableSilentBoot", "CMOSChecksum"};

struct Options {
    bool smoke = false;
    bool countsOnly = false;
    uint32_t seed = 12;
    std::vector<std::string> scenarios;
};

struct Cell {
    int runs = 0, bad = 0;
};

e2e::SimNotebook notebook;
bool coldSession = true;

bool Prepare(const Scenario& scenario, sim::BiosSettings& before) {
    if (!notebook.Reset())
        return false;
    if (scenario.prepare != nullptr && !notebook.Change(scenario.prepare))
        return false;
    if (scenario.password != nullptr &&
        !notebook.SetSetupPassword(e2e::ScanCodesOf(scenario.password)))
        return false;
    before = notebook.Settings();
    return notebook.ClearLog();
}

RunResult RunOnce(const Scenario& scenario, const sim::Fault* fault) {
    RunResult result;
    if (!Prepare(scenario, result.before) || (fault && !notebook.Control().ArmFault(*fault))) {
        std::fprintf(stderr, "fault_sweep: the simulated notebook refused the set-up\n");
        std::exit(2);
    }
    ProgramRun run(scenario.password ? scenario.password : "");
    const std::string program = e2e::ZepPath(scenario.program);
    if (!run.Start(program)) {
        std::fprintf(stderr, "fault_sweep: cannot start %s\n", program.c_str());
        std::exit(2);
    }
    result.reachedSheet = run.WaitForSheet(coldSession ? e2e::kColdWindowMs : e2e::kWindowMs);
    coldSession = false;
    result.drove = result.reachedSheet && (scenario.drive == nullptr || scenario.drive(run));
    result.hung = !run.Finish(kExitMs);
    result.exitCode = run.ExitCode();
    result.messages = run.Messages();
    result.after = notebook.Settings();
    notebook.Control().ClearFaults();
    return result;
}

std::vector<sim::LogEntry> ReadLog() {
    std::vector<sim::LogEntry> log;
    notebook.Control().ReadLog(log);
    return log;
}

std::string Describe(const sim::LogEntry& entry) {
    char text[96];
    std::snprintf(text, sizeof text, "%s(AX=%04X BX=%04X)",
                  OperationName(entry.request.eax, entry.request.ebx),
                  static_cast<unsigned>(entry.request.eax & 0xFFFF),
                  static_cast<unsigned>(entry.request.ebx & 0xFFFF));
    return text;
}

// A request the same as an earlier one: operation, registers and buffer bytes.
bool SameRequest(const sim::LogEntry& a, const sim::LogEntry& b) {
    return a.request.eax == b.request.eax && a.request.ebx == b.request.ebx &&
           a.request.ecx == b.request.ecx && a.request.edx == b.request.edx &&
           a.request.edi == b.request.edi && a.bufferSize == b.bufferSize &&
           a.bufferWritten == b.bufferWritten &&
           (a.bufferWritten || std::memcmp(a.buffer, b.buffer, sizeof a.buffer) == 0);
}

void PrintCounts(const Scenario& scenario, const std::vector<sim::LogEntry>& log) {
    std::vector<std::string> repeated;
    for (size_t i = 0; i < log.size(); ++i)
        for (size_t j = 0; j < i; ++j)
            if (SameRequest(log[i], log[j])) {
                repeated.push_back(Describe(log[i]));
                break;
            }
    const std::string expected =
        scenario.expectedRequests ? std::to_string(scenario.expectedRequests) : std::string("?");
    std::printf("  %-26s requests %2u, expected %2s, repeated %u%s\n", scenario.name,
                static_cast<unsigned>(log.size()), expected.c_str(),
                static_cast<unsigned>(repeated.size()), repeated.empty() ? "" : ":");
    for (const std::string& r : repeated)
        std::printf("      %s\n", r.c_str());
}

// The scenario's requests by name, in order, wrapped.
void PrintRequests(const std::vector<sim::LogEntry>& log) {
    size_t column = 0;
    for (const sim::LogEntry& entry : log) {
        const char* name = OperationName(entry.request.eax, entry.request.ebx);
        if (column == 0 || column + std::strlen(name) > 88) {
            std::printf("%s      ", column ? "\n" : "");
            column = 6;
        }
        column += std::strlen(name) + 1;
        std::printf("%s ", name);
    }
    std::printf("\n");
}

bool InSmoke(const sim::LogEntry& entry) {
    const char* name = OperationName(entry.request.eax, entry.request.ebx);
    for (const char* op : kSmokeOperations)
        if (std::strcmp(name, op) == 0)
            return true;
    return false;
}

bool Wanted(const Options& options, const Scenario& scenario) {
    if (options.smoke)
        return std::strcmp(scenario.name, kSmokeScenario) == 0;
    if (options.scenarios.empty())
        return true;
    for (const std::string& name : options.scenarios)
        if (name == scenario.name)
            return true;
    return false;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--smoke")
            options.smoke = true;
        else if (arg == "--counts")
            options.countsOnly = true;
        else if (arg == "--seed" && i + 1 < argc)
            options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 0));
        else if (arg == "--scenario" && i + 1 < argc) {
            if (FindScenario(argv[++i]) == nullptr)
                return false;
            options.scenarios.push_back(argv[i]);
        } else
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: fault_sweep [--smoke] [--seed N] [--scenario NAME]... "
                             "[--counts]\n");
        return 2;
    }
    const ZepProgram programs[] = {ZepProgram::kFivePages, ZepProgram::kSixPages};
    if (e2e::ZepPath(programs[0]).empty() || e2e::ZepPath(programs[1]).empty() ||
        !notebook.Open(kDriverOpenMs)) {
        std::fprintf(
            stderr,
            "fault_sweep: needs TARVELL_ZEP_EXE, TARVELL_ZEP6_EXE and the simulated notebook "
            "(run it through tools/fault-sweep.sh)\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("fault sweep of %s and %s, seed %u%s\n", e2e::ZepPath(programs[0]).c_str(),
                e2e::ZepPath(programs[1]).c_str(), options.seed,
                options.smoke ? " (smoke subset)" : "");

    std::map<std::string, std::vector<Cell>> table;
    std::vector<std::string> order, details;
    int scenarioIndex = 0;
    std::printf("requests per scenario, without faults:\n");
    for (const Scenario* s = ScenariosBegin(); s != ScenariosEnd(); ++s, ++scenarioIndex) {
        if (!Wanted(options, *s))
            continue;
        const RunResult clean = RunOnce(*s, nullptr);
        const std::vector<sim::LogEntry> log = ReadLog();
        PrintCounts(*s, log);
        const std::vector<std::string> cleanBad = Judge(clean, clean.after, FaultedRequest{});
        if (!clean.drove || !cleanBad.empty()) {
            details.push_back(std::string(s->name) + ", no fault: " +
                              (clean.drove ? cleanBad.front() : "the user's steps failed"));
            continue;
        }
        if (options.countsOnly) {
            PrintRequests(log);
            continue;
        }
        order.push_back(s->name);
        std::vector<Cell>& row = table[s->name];
        row.resize(sizeof kKinds / sizeof kKinds[0]);
        std::map<uint32_t, uint32_t> seenOfFunction; // (AX, BL) -> requests so far
        for (size_t i = 0; i < log.size(); ++i) {
            const sim::LogEntry& entry = log[i];
            const uint32_t key = ((entry.request.eax & 0xFFFF) << 8) | (entry.request.ebx & 0xFF);
            const uint32_t skip = seenOfFunction[key]++;
            if (options.smoke && !InSmoke(entry))
                continue;
            for (size_t k = 0; k < row.size(); ++k) {
                sim::Fault fault = {};
                fault.kind = kKinds[k].kind;
                fault.ax = static_cast<uint16_t>(entry.request.eax);
                fault.bl = static_cast<uint8_t>(entry.request.ebx);
                fault.answerCode = kRefusalCode;
                fault.skip = skip;
                fault.count = 1;
                fault.seed = options.seed + static_cast<uint32_t>(scenarioIndex * 1000 + i);
                const RunResult result = RunOnce(*s, &fault);
                const FaultedRequest faulted{true, fault.kind, entry.request.eax,
                                             entry.request.ebx};
                const std::vector<std::string> bad = Judge(result, clean.after, faulted);
                ++row[k].runs;
                std::printf("%s | request %u %s | %s: %s\n", s->name, static_cast<unsigned>(i + 1),
                            Describe(entry).c_str(), kKinds[k].name, bad.empty() ? "ok" : "BAD");
                if (bad.empty())
                    continue;
                ++row[k].bad;
                for (const std::string& b : bad) {
                    char where[192];
                    std::snprintf(where, sizeof where, "%s, request %u %s, %s (seed %u): ", s->name,
                                  static_cast<unsigned>(i + 1), Describe(entry).c_str(),
                                  kKinds[k].name, fault.seed);
                    details.push_back(where + b);
                }
            }
        }
    }

    if (!options.countsOnly) {
        std::printf("\n%-26s", "scenario (runs/bad)");
        for (const FaultKindRow& kind : kKinds)
            std::printf(" %12s", kind.name);
        std::printf("\n");
        for (const std::string& name : order) {
            std::printf("%-26s", name.c_str());
            for (const Cell& cell : table[name]) {
                char text[32];
                std::snprintf(text, sizeof text, "%d/%d", cell.runs, cell.bad);
                std::printf(" %12s", text);
            }
            std::printf("\n");
        }
    }
    std::printf("\n%u bad outcome(s)\n", static_cast<unsigned>(details.size()));
    for (const std::string& d : details)
        std::printf("  %s\n", d.c_str());
    return details.empty() ? 0 : 1;
}
