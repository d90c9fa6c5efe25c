#include "CallerProcess.h"

namespace {

// Process access rights the kernel headers leave to user mode.
constexpr ACCESS_MASK kProcessVmOperation = 0x08;
constexpr ACCESS_MASK kProcessVmRead = 0x10;
constexpr ACCESS_MASK kProcessVmWrite = 0x20;
constexpr ACCESS_MASK kProcessQueryInformation = 0x400;

typedef PVOID(NTAPI* PcToFileHeader)(PVOID address, PVOID* imageBase);
typedef NTSTATUS(NTAPI* ReadVirtualMemory)(HANDLE process, PVOID address, PVOID buffer, SIZE_T size,
                                           PSIZE_T done);
typedef NTSTATUS(NTAPI* WriteVirtualMemory)(HANDLE process, PVOID address, const VOID* buffer,
                                            SIZE_T size, PSIZE_T done);

ReadVirtualMemory g_readMemory;
WriteVirtualMemory g_writeMemory;

bool SameName(const char* a, const char* b) {
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

// Looks a routine up by name in a loaded image's export directory.
PVOID FindExport(PVOID image, const char* name) {
    ULONG size = 0;
    const auto* exports = static_cast<const IMAGE_EXPORT_DIRECTORY*>(
        RtlImageDirectoryEntryToData(image, TRUE, IMAGE_DIRECTORY_ENTRY_EXPORT, &size));
    if (exports == nullptr)
        return nullptr;
    const auto* base = static_cast<const UCHAR*>(image);
    const auto* names = reinterpret_cast<const ULONG*>(base + exports->AddressOfNames);
    const auto* ordinals = reinterpret_cast<const USHORT*>(base + exports->AddressOfNameOrdinals);
    const auto* functions = reinterpret_cast<const ULONG*>(base + exports->AddressOfFunctions);
    for (ULONG i = 0; i < exports->NumberOfNames; ++i) {
        if (!SameName(reinterpret_cast<const char*>(base + names[i]), name))
            continue;
        if (ordinals[i] >= exports->NumberOfFunctions)
            return nullptr;
        return const_cast<UCHAR*>(base + functions[ordinals[i]]);
    }
    return nullptr;
}

HANDLE OpenCaller(HANDLE processId) {
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, nullptr, OBJ_KERNEL_HANDLE, nullptr, nullptr);
    CLIENT_ID client = {processId, nullptr};
    HANDLE process = nullptr;
    const NTSTATUS status = ZwOpenProcess(
        &process, kProcessVmOperation | kProcessVmRead | kProcessVmWrite | kProcessQueryInformation,
        &attributes, &client);
    return NT_SUCCESS(status) ? process : nullptr;
}

// The handle kept with the file is reused only for the process it was opened for: a
// handle to the device can be inherited by another process.
HANDLE ProcessHandle(CallerProcess& caller) {
    PFILE_OBJECT file = caller.file;
    if (file->FsContext != nullptr && file->FsContext2 == caller.processId)
        return file->FsContext;
    ForgetCaller(file);
    HANDLE process = OpenCaller(caller.processId);
    if (process != nullptr) {
        file->FsContext = process;
        file->FsContext2 = caller.processId;
    }
    return process;
}

bool Permits(ULONG protect, bool write) {
    if (protect & (PAGE_GUARD | PAGE_NOACCESS))
        return false;
    const ULONG writable =
        PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    const ULONG readable = writable | PAGE_READONLY | PAGE_EXECUTE_READ;
    return (protect & (write ? writable : readable)) != 0;
}

// Another process's memory is reached past its page protection, so the buffer is checked
// first as the processor would check it: committed and readable (for a write, writable)
// over its whole length. Freed or read-only memory then fails the call instead of being
// read or overwritten.
bool Accessible(HANDLE process, uint32_t address, uint32_t size, bool write) {
    const uint64_t end = static_cast<uint64_t>(address) + size;
    if (end > 0x100000000ull)
        return false;
    uint64_t at = address;
    while (at < end) {
        MemoryRegion region;
        SIZE_T returned = 0;
        const NTSTATUS status =
            ZwQueryVirtualMemory(process, reinterpret_cast<PVOID>(static_cast<ULONG_PTR>(at)),
                                 kMemoryBasicInformation, &region, sizeof region, &returned);
        if (!NT_SUCCESS(status) || region.state != MEM_COMMIT || !Permits(region.protect, write))
            return false;
        const uint64_t regionEnd = reinterpret_cast<ULONG_PTR>(region.baseAddress) +
                                   static_cast<uint64_t>(region.regionSize);
        if (regionEnd <= at)
            return false;
        at = regionEnd;
    }
    return true;
}

bool ReadCaller(void* context, uint32_t address, void* to, uint32_t size) {
    HANDLE process = ProcessHandle(*static_cast<CallerProcess*>(context));
    SIZE_T done = 0;
    return process != nullptr && Accessible(process, address, size, false) &&
           NT_SUCCESS(g_readMemory(process, reinterpret_cast<PVOID>(address), to, size, &done)) &&
           done == size;
}

bool WriteCaller(void* context, uint32_t address, const void* from, uint32_t size) {
    HANDLE process = ProcessHandle(*static_cast<CallerProcess*>(context));
    SIZE_T done = 0;
    return process != nullptr && Accessible(process, address, size, true) &&
           NT_SUCCESS(
               g_writeMemory(process, reinterpret_cast<PVOID>(address), from, size, &done)) &&
           done == size;
}

bool Unreachable(void*, uint32_t, void*, uint32_t) {
    return false;
}
bool Unwritable(void*, uint32_t, const void*, uint32_t) {
    return false;
}

} // namespace

NTSTATUS FindProcessMemoryRoutines() {
    // The routines live in ntdll, which the driver may not import: the kernel forwards a
    // variable that ntdll holds, and its address leads to ntdll's image.
    UNICODE_STRING routine;
    RtlInitUnicodeString(&routine, L"RtlPcToFileHeader");
    const auto pcToFileHeader =
        reinterpret_cast<PcToFileHeader>(MmGetSystemRoutineAddress(&routine));
    PVOID ntdll = nullptr;
    if (pcToFileHeader == nullptr || pcToFileHeader(&NlsMbCodePageTag, &ntdll) == nullptr)
        return STATUS_PROCEDURE_NOT_FOUND;
    g_readMemory = reinterpret_cast<ReadVirtualMemory>(FindExport(ntdll, "NtReadVirtualMemory"));
    g_writeMemory = reinterpret_cast<WriteVirtualMemory>(FindExport(ntdll, "NtWriteVirtualMemory"));
    return g_readMemory && g_writeMemory ? STATUS_SUCCESS : STATUS_PROCEDURE_NOT_FOUND;
}

sim::CallerMemory CallerMemoryOf(CallerProcess& caller) {
    // Without the routines every buffer request fails cleanly instead of calling through null.
    if (g_readMemory == nullptr || g_writeMemory == nullptr)
        return sim::CallerMemory{nullptr, Unreachable, Unwritable};
    return sim::CallerMemory{&caller, ReadCaller, WriteCaller};
}

void ForgetCaller(PFILE_OBJECT file) {
    if (file->FsContext != nullptr)
        ZwClose(file->FsContext);
    file->FsContext = nullptr;
    file->FsContext2 = nullptr;
}
