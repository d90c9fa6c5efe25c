#include "SettingsStore.h"

namespace {

HANDLE g_parameters;

const wchar_t kProfileValue[] = L"Profile";
const wchar_t kSettingsValue[] = L"Settings";

// Reads a binary value of exactly `size` bytes.
bool ReadValue(const wchar_t* name, void* to, ULONG size) {
    // Large enough for the partial-information header and the biggest saved block.
    ULONG buffer[(sizeof(KEY_VALUE_PARTIAL_INFORMATION) + sizeof(sim::MachineProfile) +
                  sizeof(sim::BiosSettings)) /
                     sizeof(ULONG) +
                 1];
    UNICODE_STRING valueName;
    RtlInitUnicodeString(&valueName, name);
    ULONG length = 0;
    const NTSTATUS status = ZwQueryValueKey(g_parameters, &valueName, KeyValuePartialInformation,
                                            buffer, sizeof buffer, &length);
    if (!NT_SUCCESS(status))
        return false;
    const auto* value = reinterpret_cast<const KEY_VALUE_PARTIAL_INFORMATION*>(buffer);
    if (value->Type != REG_BINARY || value->DataLength != size)
        return false;
    RtlCopyMemory(to, value->Data, size);
    return true;
}

void WriteValue(const wchar_t* name, const void* from, ULONG size) {
    UNICODE_STRING valueName;
    RtlInitUnicodeString(&valueName, name);
    ZwSetValueKey(g_parameters, &valueName, 0, REG_BINARY, const_cast<void*>(from), size);
}

} // namespace

NTSTATUS OpenSettingsStore(PUNICODE_STRING serviceKey) {
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, serviceKey, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE,
                               nullptr, nullptr);
    HANDLE service = nullptr;
    NTSTATUS status = ZwOpenKey(&service, KEY_CREATE_SUB_KEY, &attributes);
    if (!NT_SUCCESS(status))
        return status;

    UNICODE_STRING parameters;
    RtlInitUnicodeString(&parameters, L"Parameters");
    InitializeObjectAttributes(&attributes, &parameters, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE,
                               service, nullptr);
    status = ZwCreateKey(&g_parameters, KEY_QUERY_VALUE | KEY_SET_VALUE, &attributes, 0, nullptr,
                         REG_OPTION_NON_VOLATILE, nullptr);
    ZwClose(service);
    if (!NT_SUCCESS(status))
        g_parameters = nullptr;
    return status;
}

void CloseSettingsStore() {
    if (g_parameters != nullptr)
        ZwClose(g_parameters);
    g_parameters = nullptr;
}

void LoadMachine(sim::SimBios& bios) {
    if (g_parameters == nullptr)
        return;
    sim::MachineProfile profile;
    if (ReadValue(kProfileValue, &profile, sizeof profile))
        bios.LoadProfile(profile);
    sim::BiosSettings settings;
    if (ReadValue(kSettingsValue, &settings, sizeof settings))
        bios.Settings() = settings;
}

void SaveMachine(const sim::SimBios& bios) {
    if (g_parameters == nullptr)
        return;
    WriteValue(kProfileValue, &bios.Profile(), sizeof(sim::MachineProfile));
    WriteValue(kSettingsValue, &bios.Settings(), sizeof(sim::BiosSettings));
    // Hands the change to the registry's own store at once rather than when the session ends.
    ZwFlushKey(g_parameters);
}
