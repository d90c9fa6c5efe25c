// What a user does in each scenario of the fault sweep, as a table: one row per
// scenario, each naming the program it runs (five pages, or six with Power Management).
#pragma once

#include "ProgramRun.h"
#include "SimBios.h"
#include "ZepProcess.h"

#include <cstddef>

namespace sweep {

struct Scenario {
    const char* name;
    e2e::ZepProgram program;
    const char* password; // the setup password the notebook holds and the user types;
                          // nullptr: none
    void (*prepare)(sim::BiosSettings&); // the notebook before the program starts; may be null
    bool (*drive)(ProgramRun&);          // the user's steps on the shown sheet; may be null
    size_t expectedRequests; // BIOS requests a run without faults makes, by the program's
                             // rules: start-up, the reads of each page shown, the writes
};

const Scenario* ScenariosBegin();
const Scenario* ScenariosEnd();
const Scenario* FindScenario(const char* name);

} // namespace sweep
