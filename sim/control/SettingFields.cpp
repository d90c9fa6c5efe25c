#include "SettingFields.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

#define NUMBER(member)                                                                             \
    {                                                                                              \
#member, SettingKind::kNumber, offsetof(sim::BiosSettings, member),                        \
            sizeof(sim::BiosSettings::member), 0                                                   \
    }

const SettingField kFields[] = {
    NUMBER(memoryTest),
    NUMBER(silentBoot),
    NUMBER(cdromBoot),
    {"bootSequence", SettingKind::kList, offsetof(sim::BiosSettings, bootSequence),
     sizeof(sim::BiosSettings::bootSequence), 0},
    {"powerOnPassword", SettingKind::kPassword, offsetof(sim::BiosSettings, powerOnPassword),
     sizeof(sim::BiosSettings::powerOnPassword),
     offsetof(sim::BiosSettings, powerOnPasswordLength)},
    {"setupPassword", SettingKind::kPassword, offsetof(sim::BiosSettings, setupPassword),
     sizeof(sim::BiosSettings::setupPassword), offsetof(sim::BiosSettings, setupPasswordLength)},
    NUMBER(bootDisplay),
    NUMBER(displayDevice),
    NUMBER(brightness),
    NUMBER(contrast),
    NUMBER(pmu),
    NUMBER(hotkeyBeep),
    NUMBER(modemRingWakeup),
    NUMBER(battLowBeep),
    NUMBER(sleepWhenBattLow),
    NUMBER(dspAlwaysOn),
    NUMBER(resumeTimerOn),
    NUMBER(resumeSecond),
    NUMBER(resumeMinute),
    NUMBER(resumeHour),
    NUMBER(resumeMonthDay),
    NUMBER(resumeYear),
    NUMBER(hotkeyButton),
    NUMBER(checksumCalls),
};

#undef NUMBER

const uint8_t* At(const sim::BiosSettings& settings, size_t offset) {
    return reinterpret_cast<const uint8_t*>(&settings) + offset;
}
uint8_t* At(sim::BiosSettings& settings, size_t offset) {
    return reinterpret_cast<uint8_t*>(&settings) + offset;
}

// A whole number in decimal or with a 0x prefix in hexadecimal (hexadecimal without the
// prefix too when `hex`), at most `max`.
bool ParseNumber(const std::string& text, bool hex, uint32_t max, uint32_t& value) {
    std::string digits = text;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.erase(0, 2);
        hex = true;
    }
    const char* allowed = hex ? "0123456789abcdefABCDEF" : "0123456789";
    if (digits.empty() || digits.size() > 10 ||
        digits.find_first_not_of(allowed) != std::string::npos)
        return false;
    const unsigned long long parsed = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 10);
    if (parsed > max)
        return false;
    value = static_cast<uint32_t>(parsed);
    return true;
}

// "a,b,c" as bytes; at most `limit` of them.
bool ParseBytes(const std::string& text, bool hex, size_t limit, std::vector<uint8_t>& bytes) {
    bytes.clear();
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        uint32_t value = 0;
        if (!ParseNumber(text.substr(start, comma - start), hex, 0xFF, value) ||
            bytes.size() == limit)
            return false;
        bytes.push_back(static_cast<uint8_t>(value));
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

std::string JoinHex(const uint8_t* bytes, size_t count) {
    std::string text;
    char item[8];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(item, sizeof item, i ? ",%02x" : "%02x", bytes[i]);
        text += item;
    }
    return text;
}

} // namespace

const SettingField* SettingFieldsBegin() {
    return kFields;
}
const SettingField* SettingFieldsEnd() {
    return kFields + sizeof kFields / sizeof kFields[0];
}

const SettingField* FindSettingField(const std::string& name) {
    for (const SettingField* field = SettingFieldsBegin(); field != SettingFieldsEnd(); ++field) {
        if (name == field->name)
            return field;
    }
    return nullptr;
}

std::string FormatSetting(const sim::BiosSettings& settings, const SettingField& field) {
    const uint8_t* value = At(settings, field.offset);
    switch (field.kind) {
    case SettingKind::kList:
        return JoinHex(value, field.size);
    case SettingKind::kPassword: {
        const uint8_t length = *At(settings, field.lengthOffset);
        if (length == 0)
            return "none";
        // A stored length beyond the array shows the codes that exist.
        return JoinHex(value, length < field.size ? length : field.size);
    }
    case SettingKind::kNumber:
        break;
    }
    uint32_t number = 0;
    std::memcpy(&number, value, field.size); // little-endian, like the target
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", static_cast<int>(field.size * 2),
                  static_cast<unsigned>(number));
    return text;
}

bool ParseSetting(const std::string& text, const SettingField& field, sim::BiosSettings& settings) {
    uint8_t* value = At(settings, field.offset);
    std::vector<uint8_t> bytes;
    switch (field.kind) {
    case SettingKind::kList:
        if (!ParseBytes(text, true, field.size, bytes))
            return false;
        std::memset(value, 0xFF, field.size);
        std::memcpy(value, bytes.data(), bytes.size());
        return true;
    case SettingKind::kPassword:
        if (text == "none") {
            bytes.clear();
        } else if (!ParseBytes(text, true, sim::kMaxPasswordLength, bytes)) {
            return false;
        }
        std::memset(value, 0, field.size);
        std::memcpy(value, bytes.data(), bytes.size());
        *At(settings, field.lengthOffset) = static_cast<uint8_t>(bytes.size());
        return true;
    case SettingKind::kNumber:
        break;
    }
    const uint32_t max = field.size >= 4 ? 0xFFFFFFFFu : (1u << (8 * field.size)) - 1;
    uint32_t number = 0;
    if (!ParseNumber(text, false, max, number))
        return false;
    std::memcpy(value, &number, field.size);
    return true;
}
