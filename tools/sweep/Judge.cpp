#include "Judge.h"

#include "SettingFields.h"

#include <cstdio>
#include <cstring>

namespace sweep {

namespace {

constexpr DWORD kFirstExceptionCode = 0xC0000000u;
constexpr uint8_t kEndOfList = 0xFF;
constexpr uint8_t kDriveA = 0, kDriveC = 1;

// Texts of every message box the program is meant to show.
const char* const kNamedMessages[] = {
    "VOVUDO service is not available. Program aborted.",
    "Incorrect BIOS Version",
    "Function Not Implemented Yet.",
    "Invalid password.",
    "Password incorrect over 3 times !!! Program Ends.",
    "The passwords you typed did not match.",
    "No monitor connects to your computer. Display restores to LCD panel.",
    "The BIOS did not accept the change to the Power-On Password, so the password has not "
    "been changed.",
    "The BIOS did not accept the change to the Setup Password, so the password has not been "
    "changed.",
    "Invalid alarm resume time. Try again.",
};

bool Named(const std::string& text) {
    for (const char* named : kNamedMessages)
        if (text == named)
            return true;
    return false;
}

bool HasDriveEntry(const sim::BiosSettings& settings) {
    for (uint8_t entry : settings.bootSequence) {
        if (entry == kEndOfList)
            return false;
        if (entry == kDriveA || entry == kDriveC)
            return true;
    }
    return false;
}

// The request that turns the hot-key button on, failed: the button stays off, as the
// program deliberately ignores that answer and the BIOS did not act.
bool HotkeyOnWasRefused(const FaultedRequest& fault) {
    const bool refused = fault.kind == sim::kFaultTransport || fault.kind == sim::kFaultStatus ||
                         fault.kind == sim::kFaultAnswerCode;
    return fault.any && refused && (fault.eax & 0xFFFF) == 0x9612 && (fault.ebx & 0xFF) == 0x05 &&
           ((fault.ebx >> 8) & 0xFF) == 1;
}

} // namespace

std::vector<std::string> Judge(const RunResult& run, const sim::BiosSettings& chosen,
                               const FaultedRequest& fault) {
    std::vector<std::string> bad;
    char text[256];
    if (run.hung)
        bad.push_back("hang: still running at the deadline");
    else if (run.exitCode >= kFirstExceptionCode) {
        std::snprintf(text, sizeof text, "crash: exit code %08lX",
                      static_cast<unsigned long>(run.exitCode));
        bad.push_back(text);
    }
    if (run.after.hotkeyButton != 1 && !HotkeyOnWasRefused(fault))
        bad.push_back("hot-key button off at the end");
    for (const SettingField* field = SettingFieldsBegin(); field != SettingFieldsEnd(); ++field) {
        // The button is judged above; the checksum count is how often the BIOS was asked,
        // not a setting, and one failed request of several leaves it in between.
        if (std::strcmp(field->name, "hotkeyButton") == 0 ||
            std::strcmp(field->name, "checksumCalls") == 0)
            continue;
        const std::string now = FormatSetting(run.after, *field);
        const std::string before = FormatSetting(run.before, *field);
        const std::string choice = FormatSetting(chosen, *field);
        if (now != before && now != choice)
            bad.push_back(std::string("BIOS ") + field->name + " = " + now + " (before " + before +
                          ", chosen " + choice + ")");
    }
    if (!HasDriveEntry(run.after))
        bad.push_back("boot list without a drive entry: " +
                      FormatSetting(run.after, *FindSettingField("bootSequence")));
    for (const std::string& message : run.messages)
        if (!Named(message))
            bad.push_back("unexpected message: \"" + message + "\"");
    return bad;
}

} // namespace sweep
