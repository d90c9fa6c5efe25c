// The kernel headers the driver builds with, usable from C++.
#pragma once

// The kernel headers bring their own inline versions of these two; keep the
// compiler's intrinsic header from defining them a second time.
#define __INTRINSIC_DEFINED_InterlockedBitTestAndSet
#define __INTRINSIC_DEFINED_InterlockedBitTestAndReset

#include <ntifs.h>
#include <ntimage.h>

// Exported by the kernel but not declared by its headers here.
extern "C" NTSYSAPI PVOID NTAPI RtlImageDirectoryEntryToData(PVOID image, BOOLEAN mappedAsImage,
                                                             USHORT directory, PULONG size);

// The layout ZwQueryVirtualMemory fills for MemoryBasicInformation (class 0).
struct MemoryRegion {
    PVOID baseAddress;
    PVOID allocationBase;
    ULONG allocationProtect;
    SIZE_T regionSize;
    ULONG state;
    ULONG protect;
    ULONG type;
};
constexpr ULONG kMemoryBasicInformation = 0;

extern "C" NTSYSAPI NTSTATUS NTAPI ZwQueryVirtualMemory(HANDLE process, PVOID address,
                                                        ULONG informationClass, PVOID information,
                                                        SIZE_T size, PSIZE_T returned);
