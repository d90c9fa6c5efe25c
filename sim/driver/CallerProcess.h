// Reaches the memory of the process that sent a request. Under Wine the driver runs in
// its own process, so a buffer address in esi belongs to the caller's address space and
// is read and written through a handle to that process.
#pragma once

#include "KernelHeaders.h"

#include "SimBios.h"

// Finds the process memory routines; call once from DriverEntry.
NTSTATUS FindProcessMemoryRoutines();

// One request's view of the caller. The process is opened on first use and the handle
// is kept with the open file for the next request from the same process.
struct CallerProcess {
    PFILE_OBJECT file;
    HANDLE processId;
};

sim::CallerMemory CallerMemoryOf(CallerProcess& caller);

// Closes the process handle kept with the file; call when the file is closed.
void ForgetCaller(PFILE_OBJECT file);
