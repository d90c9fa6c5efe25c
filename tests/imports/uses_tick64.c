/* A program importing GetTickCount64 (Windows Vista and later), which the import check
   must refuse. No C run-time: its only imports are this and ExitProcess. */
#include <windows.h>

void __stdcall start(void) {
    ExitProcess((UINT)(GetTickCount64() & 1));
}
