// The three system calls behind the driver channel. The program always uses the
// real ones; a test may put another device in the driver's place.
#pragma once

#include <windows.h>

struct DriverDevice {
    HANDLE(WINAPI* createFile)
    (LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
     DWORD flags, HANDLE templateFile);
    BOOL(WINAPI* deviceIoControl)
    (HANDLE device, DWORD code, LPVOID in, DWORD inSize, LPVOID out, DWORD outSize,
     LPDWORD returned, LPOVERLAPPED overlapped);
    BOOL(WINAPI* closeHandle)(HANDLE handle);
};

// Replaces the device calls; nullptr puts the real CreateFileA, DeviceIoControl and
// CloseHandle back. Only tests call this.
void SetDriverDevice(const DriverDevice* device);
