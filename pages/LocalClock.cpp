#include "LocalClock.h"

#include <windows.h>

ResumeTime LocalTimeNow() {
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    return ResumeTime{now.wYear,
                      static_cast<uint8_t>(now.wMonth),
                      static_cast<uint8_t>(now.wDay),
                      static_cast<uint8_t>(now.wHour),
                      static_cast<uint8_t>(now.wMinute),
                      static_cast<uint8_t>(now.wSecond)};
}
