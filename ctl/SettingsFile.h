// The settings file zepctl exports and imports: INI text with one section per page
// ("[POST]", "[Boot]", "[Power]", "[Display]") and "Key = Value" lines. Every line is checked
// against the machine before anything is written. Free of <windows.h>.
#pragma once

#include "SettingsTable.h"

#include <vector>

struct FileSetting {
    int line; // 0 for a setting given on the command line
    const SettingRow* row;
    SettingValue value;
};

struct FileProblem {
    int line;
    char reason[kReasonSize];
};

// Reads every line of text (blank lines and lines starting with ';' or '#' are
// skipped) and checks each setting against the machine. settings gets them in Apply
// order; problems one entry per refused line. The file may be used only when
// problems stays empty.
void ReadSettingsText(const char* text, MachineFacts& facts, std::vector<FileSetting>& settings,
                      std::vector<FileProblem>& problems);

// One value for row, checked as a file line would be; false with problem filled.
bool CheckSetting(const SettingRow& row, const char* valueText, int line, MachineFacts& facts,
                  FileSetting& setting, FileProblem& problem);
