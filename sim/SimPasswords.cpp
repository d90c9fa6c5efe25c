// Group 0x9610, functions 0x07 (power-on password) and 0x08 (setup password).
// BH: 0 remove, 1 ask whether set, 2 store the CX bytes at esi, 3 check them.
#include "SimCall.h"

#include <string.h>

namespace sim {

namespace {

struct StoredPassword {
    uint8_t& length;
    uint8_t (&codes)[8];
};

void Remove(StoredPassword& stored) {
    stored.length = 0;
    memset(stored.codes, 0, sizeof stored.codes);
}

// An empty password is no password: storing one removes the old one.
void Store(Call& call, StoredPassword& stored, uint32_t length) {
    uint8_t codes[sizeof stored.codes] = {};
    if (length > 0 && !ReadCallerBuffer(call, codes, length))
        return;
    memcpy(stored.codes, codes, sizeof codes);
    stored.length = static_cast<uint8_t>(length);
    Accept(call);
}

// An empty entry matches only when no password is set. A stored length beyond
// the limit (a corrupted setup memory) never matches.
void Check(Call& call, const StoredPassword& stored, uint32_t length) {
    uint8_t codes[sizeof stored.codes] = {};
    if (length > 0 && !ReadCallerBuffer(call, codes, length))
        return;
    if (stored.length == length && memcmp(stored.codes, codes, length) == 0)
        Accept(call);
    else
        AnswerNo(call, kAnswerRejected);
}

} // namespace

void AnswerPasswords(Call& call) {
    BiosSettings& s = call.settings;
    StoredPassword stored = call.Function() == 0x07
                                ? StoredPassword{s.powerOnPasswordLength, s.powerOnPassword}
                                : StoredPassword{s.setupPasswordLength, s.setupPassword};
    const uint32_t length = Low16(call.request.ecx);
    switch (call.SubFunction()) {
    case 0:
        Remove(stored);
        Accept(call);
        break;
    case 1:
        if (stored.length != 0)
            Accept(call);
        else
            AnswerNo(call, kAnswerRejected);
        break;
    case 2:
    case 3:
        if (length > kMaxPasswordLength) {
            Fail(call, kAnswerRejected);
            break;
        }
        if (call.SubFunction() == 2)
            Store(call, stored, length);
        else
            Check(call, stored, length);
        break;
    default:
        Fail(call, kAnswerUnsupported);
        break;
    }
}

} // namespace sim
