// What each zepctl command does once the driver is open and the BIOS answers.
#pragma once

#include "CommandLine.h"

#include <cstdio>

// Exit codes.
constexpr int kExitDone = 0;
constexpr int kExitRefused = 1; // bad file or value, wrong password, a write the BIOS refused
constexpr int kExitUsage = 2;   // bad command line, unreadable file, no driver

int RunCommand(const Command& command);

// Commands, switches, every key with its values, and the exit codes.
void PrintHelp(FILE* out);
