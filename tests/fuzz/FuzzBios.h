// A BIOS driver whose every answer comes from the fuzzer: per request one byte
// (a multiple of 16 makes the transport fail), then the 44-byte reply; GetBootSeq
// also gets the 16 bytes the driver writes into the caller's list. Placed in the
// driver channel's place and opened for as long as it lives.
#pragma once

#include "FuzzBytes.h"
#include "TestDriver.h" // ReadableCallerBuffer, for checks on a request's caller buffer

struct FuzzBios {
    // check sees every request (with its caller buffer, if any) before it is answered.
    explicit FuzzBios(FuzzBytes& bytes, void (*check)(const BiosRegs& request) = nullptr);
    ~FuzzBios();
};

// A request's function group (AX) and function number (BL) as 0xGGGGFF, e.g. 0x961017
// for the boot list; the sub-function or value stays in HighByte(ebx).
inline uint32_t Call(const BiosRegs& request) {
    return LowWord(request.eax) << 8 | LowByte(request.ebx);
}

// Ends the run as a finding unless ok: a rule broke a promise no input may break.
void Expect(bool ok, const char* what);
