// A BIOS driver whose every answer comes from the fuzzer: per request one byte
// (a multiple of 16 makes the transport fail), then the 44-byte reply; GetBootSeq
// also gets the 16 bytes the driver writes into the caller's list. Placed in the
// driver channel's place and opened for as long as it lives.
#pragma once

#include "BiosRegs.h"
#include "FuzzBytes.h"

class FuzzBios {
public:
    // check sees every request (with its caller buffer, if any) before it is answered.
    using Check = void (*)(const BiosRegs& request);
    explicit FuzzBios(FuzzBytes& bytes, Check check = nullptr);
    ~FuzzBios();
    FuzzBios(const FuzzBios&) = delete;
    FuzzBios& operator=(const FuzzBios&) = delete;

    bool Answer(const BiosRegs& request, BiosRegs& reply);

private:
    FuzzBytes& bytes_;
    Check check_;
};

// A request's caller buffer of size bytes, for checks; nullptr when esi names none.
const uint8_t* RequestBuffer(const BiosRegs& request, uint32_t size);

// Ends the run as a finding: a rule broke a promise no BIOS answer may break.
[[noreturn]] void Finding(const char* what);
