// The setup-password gate before zepctl writes: when the BIOS reports a setup
// password, it must be given first, with three tries as at the program's start. Typed
// at the console without echo, or one line per try from standard input; each key
// becomes its scan code under the same rules as the password dialogs.
#pragma once

// True when no setup password is set, or the BIOS accepted one of three tries.
// Refusals and the end of the tries are reported on stderr.
bool PassSetupPasswordGate(bool fromStdin);
