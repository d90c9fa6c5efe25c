// startup_bench: times process start to visible sheet for zep.exe and a bare one-page
// property sheet, interleaved in one Wine session, from outside (windows observed every
// millisecond), and the round trip of one BIOS request.
//   startup_bench ZEP_EXE BARE_EXE [LAUNCHES]
// Prints per program the median, quartiles and range of each phase, the ratio of the
// medians and the paired ratios. Figures only: nothing here passes or fails on a time.
// The phases, as seen from outside: process start (loading, start-up requests, the sheet's
// template) to the first window; the sheet's own set-up (buttons, tabs) to the creation of
// its first page; the page's controls and initialisation (for zep.exe the information
// page's picture, list and requests) to the sheet being shown.
#include "Windows.h"
#include "ZepProcess.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kGiveUpMs = 60000;
constexpr DWORD kExitMs = 15000;
constexpr int kDefaultLaunches = 15;
constexpr int kRoundTrips = 200;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Launch {
    double firstWindow = -1; // ms from CreateProcess to the process's first window
    double firstPage = -1;   // ms to the sheet's first page window
    double visible = -1;     // ms to its sheet being visible
};

struct Program {
    const char* label;
    std::string path;
    const char* title;
    std::vector<Launch> launches;
};

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM data) {
    WindowSearch& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId)
        search.found.push_back(window);
    return TRUE;
}

// The process's top-level windows, shown or not yet.
std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether one of the windows is a dialog holding a child dialog: the sheet's first page.
bool SheetHasPage(const std::vector<HWND>& windows) {
    for (HWND window : windows)
        if (e2e::ClassOf(window) == e2e::kDialogClass &&
            e2e::HasDescendantOfClass(window, e2e::kDialogClass))
            return true;
    return false;
}

bool Measure(Program& program) {
    e2e::ZepProcess process;
    const double start = Now();
    if (!process.Start(program.path)) {
        std::fprintf(stderr, "startup_bench: %s\n", process.Error().c_str());
        return false;
    }
    Launch launch;
    HWND sheet = nullptr;
    while (Now() - start < kGiveUpMs && process.Running()) {
        const std::vector<HWND> windows = TopLevelWindowsOf(process.Id());
        if (launch.firstWindow < 0 && !windows.empty())
            launch.firstWindow = Now() - start;
        if (launch.firstWindow >= 0 && launch.firstPage < 0 && SheetHasPage(windows))
            launch.firstPage = Now() - start;
        sheet = e2e::FindTopLevel(process.Id(), e2e::kDialogClass, program.title);
        if (sheet != nullptr) {
            launch.visible = Now() - start;
            // A step shorter than one look is counted as ending at the next.
            if (launch.firstPage < 0)
                launch.firstPage = launch.visible;
            if (launch.firstWindow < 0)
                launch.firstWindow = launch.firstPage;
            break;
        }
        Sleep(1);
    }
    if (sheet == nullptr) {
        std::fprintf(stderr, "startup_bench: no sheet from %s\n", program.path.c_str());
        return false;
    }
    program.launches.push_back(launch);
    PostMessageA(e2e::Control(sheet, IDCANCEL), BM_CLICK, 0, 0);
    if (!process.WaitForExit(kExitMs))
        process.Kill();
    return true;
}

struct Summary {
    double median, low, high, q1, q3;
};

Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    auto at = [&](double q) {
        const double position = q * static_cast<double>(values.size() - 1);
        const size_t below = static_cast<size_t>(position);
        const size_t above = std::min(below + 1, values.size() - 1);
        return values[below] + (values[above] - values[below]) * (position - below);
    };
    return {at(0.5), values.front(), values.back(), at(0.25), at(0.75)};
}

void PrintPhase(const char* label, const char* phase, const std::vector<double>& values) {
    const Summary s = Summarise(values);
    std::printf("  %-10s %-26s median %7.1f  quartiles %7.1f..%-7.1f range %7.1f..%.1f\n", label,
                phase, s.median, s.q1, s.q3, s.low, s.high);
}

// Median round trip of one BIOS request (VESKCheck) through \\.\vovudo, in ms.
double BiosRoundTrip() {
    HANDLE device = CreateFileA("\\\\.\\vovudo", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return -1;
    std::vector<double> times;
    for (int i = 0; i < kRoundTrips; ++i) {
        DWORD regs[11] = {0, 0x9610, 0x0000};
        DWORD returned = 0;
        const double start = Now();
        DeviceIoControl(device, 0x222000, regs, sizeof regs, regs, sizeof regs, &returned, nullptr);
        times.push_back(Now() - start);
    }
    CloseHandle(device);
    return Summarise(times).median;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench ZEP_EXE BARE_EXE [LAUNCHES]\n");
        return 2;
    }
    const int launches = argc > 3 ? std::atoi(argv[3]) : kDefaultLaunches;
    Program programs[] = {{"zep.exe", argv[1], "Tarvell", {}}, {"bare", argv[2], "Bare sheet", {}}};
    // One unmeasured launch of each first: the session's first program pays for it.
    Program warmUp[] = {programs[0], programs[1]};
    for (Program& program : warmUp)
        Measure(program);
    for (int i = 0; i < launches; ++i) {
        // Alternate which one goes first, so neither always follows the other.
        for (int j = 0; j < 2; ++j)
            if (!Measure(programs[(i + j) % 2]))
                return 1;
    }

    std::printf("start-up, %d launches each, interleaved, ms (process start to visible "
                "sheet):\n",
                launches);
    double medians[2];
    for (int p = 0; p < 2; ++p) {
        std::vector<double> firstWindow, toPage, toVisible, total;
        for (const Launch& l : programs[p].launches) {
            firstWindow.push_back(l.firstWindow);
            toPage.push_back(l.firstPage - l.firstWindow);
            toVisible.push_back(l.visible - l.firstPage);
            total.push_back(l.visible);
        }
        PrintPhase(programs[p].label, "start to first window", firstWindow);
        PrintPhase(programs[p].label, "first window to first page", toPage);
        PrintPhase(programs[p].label, "first page to visible", toVisible);
        PrintPhase(programs[p].label, "start to visible sheet", total);
        medians[p] = Summarise(total).median;
    }
    std::printf("  ratio of medians zep.exe / bare: %.2f\n", medians[0] / medians[1]);
    // Launch i of each program ran back to back, so their ratio sees the same load.
    std::vector<double> paired;
    for (size_t i = 0; i < programs[0].launches.size() && i < programs[1].launches.size(); ++i)
        paired.push_back(programs[0].launches[i].visible / programs[1].launches[i].visible);
    const Summary ratio = Summarise(paired);
    std::printf("  paired ratios (launch i of each): median %.2f  quartiles %.2f..%.2f\n",
                ratio.median, ratio.q1, ratio.q3);
    std::printf("  one BIOS request round trip (median of %d): %.3f ms\n", kRoundTrips,
                BiosRoundTrip());
    return 0;
}
