#include "ShellTestSupport.h"

#include "OperationNames.h"
#include "SimDevice.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace shelltest {

namespace {

int g_applyAnswers[8] = {};

std::string Describe(const sim::LogEntry& entry) {
    std::string name = OperationName(entry.request.eax, entry.request.ebx);
    if (name == "SetHotkeyButton" || name == "CMOSChecksum")
        name += " " + std::to_string((entry.request.ebx >> 8) & 0xFF);
    return name;
}

} // namespace

std::vector<std::string> BiosRequests() {
    std::vector<std::string> names;
    const sim::SimBios& bios = simdevice::Bios();
    for (uint32_t i = 0; i < bios.LogCount(); ++i)
        names.push_back(Describe(bios.LogAt(i)));
    return names;
}

void Timeline::Start() {
    m_notes.clear();
    simdevice::Bios().ClearLog();
}

void Timeline::Note(const std::string& event) {
    m_notes.emplace_back(simdevice::Bios().LogCount(), event);
}

std::vector<std::string> Timeline::Events() const {
    const std::vector<std::string> requests = BiosRequests();
    std::vector<std::string> events;
    size_t next = 0;
    for (const auto& note : m_notes) {
        for (; next < note.first && next < requests.size(); ++next)
            events.push_back(requests[next]);
        events.push_back(note.second);
    }
    for (; next < requests.size(); ++next)
        events.push_back(requests[next]);
    return events;
}

std::vector<std::string>& PageJournal() {
    static std::vector<std::string> journal;
    return journal;
}

void SetApplyAnswer(int page, int answer) {
    if (page >= 0 && page < 8)
        g_applyAnswers[page] = answer;
}

void ResetFakePages() {
    std::fill(std::begin(g_applyAnswers), std::end(g_applyAnswers), 0);
    PageJournal().clear();
}

FakePage::FakePage(int index) : CMyPropertyPage(131, 213), m_nIndex(index) {}

FakePage::~FakePage() {
    PageJournal().push_back("delete " + std::to_string(m_nIndex));
}

int FakePage::ApplySettings() {
    PageJournal().push_back("apply " + std::to_string(m_nIndex));
    SetPageModified(FALSE);
    return g_applyAnswers[m_nIndex];
}

void FakePage::RestorePreviousSettings() {
    PageJournal().push_back("restore " + std::to_string(m_nIndex));
}

bool FakePage::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->code == static_cast<UINT>(PSN_APPLY))
        PageJournal().push_back("PSN_APPLY " + std::to_string(m_nIndex));
    return CMyPropertyPage::OnNotify(header, result);
}

namespace {

void (*g_step)() = nullptr;

void CALLBACK RunStep(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    void (*step)() = g_step;
    g_step = nullptr;
    if (step)
        step();
}

} // namespace

void RunInsideModalLoop(void (*step)()) {
    g_step = step;
    SetTimer(nullptr, 0, 10, RunStep);
}

bool CanCreateWindows() {
    HWND probe =
        CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!probe)
        return false;
    DestroyWindow(probe);
    return true;
}

} // namespace shelltest
