// The one driver handle and the one request the BIOS service driver offers.
#pragma once

#include "BiosRegs.h"

// Opens \\.\vovudo; true when the device was opened.
bool OpenDriver();
// Closes the handle and marks it invalid again; callers ignore the result.
bool CloseDriver();
// Sends the request and copies the 44-byte answer into reply. True when the driver
// took and answered the request (status is not judged here); reply is untouched on false.
// operationName labels the call for diagnostics only.
bool CallBios(BiosRegs request, BiosRegs& reply, const char* operationName);
