#include "WinApp.h"

#include <cstring>

namespace {

CWinApp* g_app = nullptr;

// Copies the file name of path without folder and extension into name.
void FileTitle(const char* path, char* name, size_t size) {
    const char* start = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':')
            start = p + 1;
    }
    size_t length = std::strlen(start);
    if (const char* dot = std::strrchr(start, '.'))
        length = static_cast<size_t>(dot - start);
    if (length >= size)
        length = size - 1;
    std::memcpy(name, start, length);
    name[length] = '\0';
}

// Copies path with its extension replaced by extension into out (empty when it does not fit).
void ReplaceExtension(const char* path, const char* extension, char* out, size_t size) {
    const char* name = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    }
    const char* dot = std::strrchr(name, '.');
    const size_t stem = dot ? static_cast<size_t>(dot - path) : std::strlen(path);
    const size_t extra = std::strlen(extension);
    if (stem + extra + 1 > size) {
        out[0] = '\0';
        return;
    }
    std::memcpy(out, path, stem);
    std::memcpy(out + stem, extension, extra + 1);
}

} // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

void CWinApp::InitNames(HINSTANCE instance) {
    m_hInstance = instance;
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(instance, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        path[0] = '\0';
    FileTitle(path, m_szAppName, sizeof m_szAppName);
    ReplaceExtension(path, ".HLP", m_szHelpFilePath, sizeof m_szHelpFilePath);
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return m_nExitCode;
}

int CWinApp::Run() {
    MSG msg;
    BOOL got;
    while ((got = ::GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1)
            return -1;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool CWinApp::OnCommand(UINT) {
    return false;
}

void CWinApp::WinHelp(DWORD_PTR data, UINT command) {
    ::WinHelpA(AfxGetMainWndHandle(), m_szHelpFilePath, command, data);
}

void CWinApp::OnHelp() {
    if (m_dwHelpContext != 0)
        WinHelp(m_dwHelpContext, HELP_CONTEXT);
    else
        WinHelp(0, HELP_FINDER);
}

HICON CWinApp::LoadIcon(UINT iconId) const {
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(iconId));
}

CWinApp* AfxGetApp() {
    return g_app;
}

HINSTANCE AfxGetResourceHandle() {
    if (g_app && g_app->m_hInstance)
        return g_app->m_hInstance;
    return ::GetModuleHandleA(nullptr);
}

HWND AfxGetMainWndHandle() {
    if (!g_app || !g_app->m_pMainWnd)
        return nullptr;
    return g_app->m_pMainWnd->HasWindow() ? g_app->m_pMainWnd->m_hWnd : nullptr;
}

bool AfxRequestHelp(DWORD context) {
    if (!g_app)
        return false;
    g_app->m_dwHelpContext = context;
    return g_app->OnCommand(ID_HELP);
}

int AfxWinMain(HINSTANCE instance, int) {
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->InitNames(instance);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    if (app->InitInstance())
        app->m_nExitCode = app->Run();
    return app->ExitInstance();
}

int LoadResourceString(UINT id, char* text, int size) {
    if (!text || size <= 0)
        return 0;
    text[0] = '\0';
    int length = ::LoadStringA(AfxGetResourceHandle(), id, text, size);
    if (length < 0)
        length = 0;
    if (length > size - 1)
        length = size - 1;
    text[length] = '\0';
    return length;
}

int AfxMessageBox(const char* text, UINT type) {
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            type |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            type |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    HWND owner = ::GetActiveWindow();
    if (!owner)
        owner = AfxGetMainWndHandle();
    const char* caption = g_app ? g_app->m_szAppName : "";
    return ::MessageBoxA(owner, text ? text : "", caption, type);
}

int AfxMessageBox(UINT id, UINT type) {
    char text[256];
    LoadResourceString(id, text, sizeof text);
    return AfxMessageBox(text, type);
}
