// What the shell tests share: a timeline that merges the simulated BIOS's request
// log with the user-interface events a test records, and settings pages that only
// record what the sheet asks of them.
#pragma once

#include "MyPropertyPage.h"

#include <string>
#include <vector>

namespace shelltest {

// The requests the simulated BIOS logged since its log was cleared, by name; the
// operations whose BH matters carry it: "SetHotkeyButton 0", "CMOSChecksum 1".
std::vector<std::string> BiosRequests();

// Interleaves user-interface events with the BIOS requests made around them.
class Timeline {
public:
    // Starts a new timeline: forgets the events and empties the BIOS log.
    void Start();
    // Records an event after the requests made so far.
    void Note(const std::string& event);
    // Requests and events in the order they happened.
    std::vector<std::string> Events() const;

private:
    std::vector<std::pair<size_t, std::string>> m_notes;
};

// The journal every FakePage writes to ("apply 0", "restore 2", "delete 1").
std::vector<std::string>& PageJournal();
// What FakePage n answers from ApplySettings (0 by default; reset by ResetFakePages).
void SetApplyAnswer(int page, int answer);
void ResetFakePages();

// A page that only records: template 131 with caption 213, like the first real page.
// Like an editing page it clears its modified state when applied.
class FakePage : public CMyPropertyPage {
public:
    explicit FakePage(int index);
    ~FakePage() override;
    int ApplySettings() override;
    void RestorePreviousSettings() override;

protected:
    // Records the platform's page notifications that the sheet must never cause.
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    int m_nIndex;
};

template <int N> CMyPropertyPage* MakeFakePage() {
    return new FakePage(N);
}

// Runs step once, from inside whatever modal loop runs next on this thread.
void RunInsideModalLoop(void (*step)());
// True when this session can create windows (a display is available).
bool CanCreateWindows();

} // namespace shelltest
