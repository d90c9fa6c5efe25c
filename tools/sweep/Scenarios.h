// What a user does in each scenario of the fault sweep, as a table: the power page's
// scenarios join it as further rows.
#pragma once

#include "ProgramRun.h"
#include "SimBios.h"

#include <cstddef>

namespace sweep {

struct Scenario {
    const char* name;
    const char* password; // the setup password the notebook holds and the user types;
                          // nullptr: none
    void (*prepare)(sim::BiosSettings&); // the notebook before the program starts; may be null
    bool (*drive)(ProgramRun&);          // the user's steps on the shown sheet; may be null
    size_t expectedRequests; // BIOS requests a run without faults should make; 0: not worked
                             // out yet
};

const Scenario* ScenariosBegin();
const Scenario* ScenariosEnd();
const Scenario* FindScenario(const char* name);

} // namespace sweep
