#include "SettingsFile.h"

#include "MachineFacts.h"
#include "TextMatch.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// The Information Viewer's facts, as show prints them: nothing in it can be written.
constexpr char kInformationSection[] = "Information";
constexpr size_t kLineSize = 512;

void Refuse(std::vector<FileProblem>& problems, int line, const char* format, ...) {
    FileProblem problem;
    problem.line = line;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(problem.reason, sizeof problem.reason, format, arguments);
    va_end(arguments);
    problems.push_back(problem);
}

// A line as read: its text without blanks at either end, cut to kLineSize - 1.
struct Line {
    int number;
    char text[kLineSize];
};

const char* NextLine(const char* at, Line& line) {
    const char* end = std::strchr(at, '\n');
    const size_t length = end ? static_cast<size_t>(end - at) : std::strlen(at);
    CopyTrimmed(at, length, line.text, sizeof line.text);
    return end ? end + 1 : at + length;
}

} // namespace

bool CheckSetting(const SettingRow& row, const char* valueText, int line, MachineFacts& facts,
                  FileSetting& setting, FileProblem& problem) {
    problem.line = line;
    SettingValue current = ZeroValue();
    if (!facts.Current(row, current)) {
        std::snprintf(problem.reason, sizeof problem.reason,
                      "%s.%s: this machine's BIOS does not offer it", row.section, row.key);
        return false;
    }
    setting.line = line;
    setting.row = &row;
    setting.value = current;
    char reason[kReasonSize] = "";
    if (!row.parse(valueText, facts, current, setting.value, reason, sizeof reason)) {
        std::snprintf(problem.reason, sizeof problem.reason, "%s.%s: %s", row.section, row.key,
                      reason);
        return false;
    }
    return true;
}

void ReadSettingsText(const char* text, MachineFacts& facts, std::vector<FileSetting>& settings,
                      std::vector<FileProblem>& problems) {
    if (std::strncmp(text, "\xEF\xBB\xBF", 3) == 0)
        text += 3; // a UTF-8 byte order mark, as Notepad writes one
    char section[kSettingTextSize] = "";
    bool inSettings = false; // false before the first section and in refused ones
    Line line{0, ""};
    for (const char* at = text; *at;) {
        at = NextLine(at, line);
        ++line.number;
        const char* t = line.text;
        if (t[0] == '\0' || t[0] == ';' || t[0] == '#')
            continue;
        const size_t length = std::strlen(t);
        if (t[0] == '[') {
            if (t[length - 1] != ']') {
                Refuse(problems, line.number, "a section line must end with ']'");
                inSettings = false;
                continue;
            }
            CopyTrimmed(t + 1, length - 2, section, sizeof section);
            inSettings = IsSettingsSection(section);
            if (EqualsIgnoreCase(section, kInformationSection))
                Refuse(problems, line.number,
                       "[%s] is what the machine reports and cannot be imported", section);
            else if (!inSettings)
                Refuse(problems, line.number, "unknown section [%s]", section);
            continue;
        }
        const char* equals = std::strchr(t, '=');
        if (!equals) {
            Refuse(problems, line.number, "expected 'Key = Value'");
            continue;
        }
        if (section[0] == '\0') {
            Refuse(problems, line.number, "a setting before the first [section]");
            continue;
        }
        if (!inSettings)
            continue; // the section line is already refused
        char key[kSettingTextSize];
        char value[kLineSize];
        CopyTrimmed(t, static_cast<size_t>(equals - t), key, sizeof key);
        CopyTrimmed(equals + 1, std::strlen(equals + 1), value, sizeof value);
        const SettingRow* row = FindSetting(section, key);
        if (!row) {
            Refuse(problems, line.number, "unknown key '%s' in [%s]", key, section);
            continue;
        }
        const auto earlier = std::find_if(settings.begin(), settings.end(),
                                          [row](const FileSetting& s) { return s.row == row; });
        if (earlier != settings.end()) {
            Refuse(problems, line.number, "%s.%s is already set on line %d", row->section, row->key,
                   earlier->line);
            continue;
        }
        FileSetting setting;
        FileProblem problem;
        if (CheckSetting(*row, value, line.number, facts, setting, problem))
            settings.push_back(setting);
        else
            problems.push_back(problem);
    }
    std::stable_sort(settings.begin(), settings.end(),
                     [](const FileSetting& a, const FileSetting& b) {
                         return IndexOfSetting(*a.row) < IndexOfSetting(*b.row);
                     });
}
