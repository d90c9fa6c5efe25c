// keepalive: holds one hidden window so that Wine's desktop process stays up between the
// programs a GUI test run starts (otherwise it exits after each one and the next launch
// pays for, and sometimes fails in, its restart).
//   keepalive          runs until closed or stopped by its process id
//   keepalive --stop   closes a running keepalive
#include <windows.h>

#include <cstring>

namespace {

const char kClassName[] = "TarvellKeepAlive";

LRESULT CALLBACK KeepAliveProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int StopRunning() {
    HWND running = FindWindowA(kClassName, nullptr);
    if (running == nullptr)
        return 1;
    PostMessageA(running, WM_CLOSE, 0, 0);
    return 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (std::strcmp(commandLine, "--stop") == 0)
        return StopRunning();

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = KeepAliveProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass))
        return 1;
    // Never shown: it only has to exist.
    HWND window = CreateWindowExA(0, kClassName, "Tarvell keep-alive", WS_OVERLAPPED, 0, 0, 1, 1,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
