// The application object, its message loop with the idle pass, and profile settings.
#include "win_app.h"

#include "framework_ids.h"
#include "module.h"
#include "system_dialogs.h"
#include "wnd.h"

namespace {

CWinApp* g_app = nullptr;

bool DispatchOne(MSG& message)
{
    if (message.message == WM_QUIT)
        return false;
    CWinApp* app = CWinApp::Get();
    bool translated = app ? app->PreTranslateMessage(message) != FALSE : CWnd::WalkPreTranslateTree(nullptr, message);
    if (!translated) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return true;
}

}  // namespace

CWinApp::CWinApp(const char* appName)
{
    if (!g_app)
        g_app = this;
    m_hInstance = ModuleInstance();
    if (appName) {
        m_appName = appName;
    } else {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(m_hInstance, path, MAX_PATH);
        std::string name = path;
        name = name.substr(name.find_last_of("\\/") + 1);
        m_appName = name.substr(0, name.find_last_of('.'));
    }
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* CWinApp::Get()
{
    return g_app;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::WinMainBody(HINSTANCE instance, const char* commandLine, int show)
{
    m_hInstance = instance;
    m_cmdLine = commandLine ? commandLine : "";
    m_nCmdShow = show;
    if (!InitInstance()) {
        ExitInstance();
        return 1;
    }
    return Run();
}

int CWinApp::Run()
{
    MSG message = {};
    LONG idleCount = 0;
    bool idle = true;
    for (;;) {
        while (idle && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        do {
            if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
                int code = ExitInstance();
                return message.message == WM_QUIT ? static_cast<int>(message.wParam) : code;
            }
            DispatchOne(message);
            // Timer ticks and paints alone do not restart the idle pass: they come too often.
            if (message.message != WM_TIMER && message.message != WM_PAINT && message.message != WM_MOUSEMOVE) {
                idle = true;
                idleCount = 0;
            }
        } while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinApp::OnIdle(LONG count)
{
    if (count == 0) {
        UpdateCommandStates();
        return TRUE;
    }
    return FALSE;
}

void CWinApp::UpdateCommandStates()
{
    if (!m_pMainWnd || !IsWindow(m_pMainWnd->m_hWnd))
        return;
    m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
}

BOOL CWinApp::PreTranslateMessage(MSG& message)
{
    HWND stop = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    return CWnd::WalkPreTranslateTree(stop, message);
}

bool CWinApp::OnCmdMsg(CommandRequest& request)
{
    return CCmdTarget::OnCmdMsg(request);
}

const char* CWinApp::ProfileFile() const
{
    return m_profileName.empty() ? "WIN.INI" : m_profileName.c_str();
}

UINT CWinApp::GetProfileInt(const char* section, const char* key, int defaultValue) const
{
    return GetPrivateProfileIntA(section, key, defaultValue, ProfileFile());
}

std::string CWinApp::GetProfileString(const char* section, const char* key, const char* defaultValue) const
{
    // Grow until the value fits: the profile functions cut without saying so.
    for (DWORD size = 256; size <= 65536; size *= 4) {
        std::string buffer(size, '\0');
        DWORD got = GetPrivateProfileStringA(
            section, key, defaultValue ? defaultValue : "", buffer.data(), size, ProfileFile());
        if (got < size - 1) {
            buffer.resize(got);
            return buffer;
        }
    }
    return defaultValue ? defaultValue : "";
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* key, int value) const
{
    return WriteProfileString(section, key, std::to_string(value).c_str());
}

BOOL CWinApp::WriteProfileString(const char* section, const char* key, const char* value) const
{
    return WritePrivateProfileStringA(section, key, value, ProfileFile());
}

void CWinApp::LoadStdProfileSettings(UINT maxRecent)
{
    m_maxRecent = maxRecent;
    m_recentFiles.clear();
    for (UINT index = 1; index <= maxRecent; ++index) {
        std::string key = "File" + std::to_string(index);
        std::string file = GetProfileString("Recent File List", key.c_str(), "");
        if (!file.empty())
            m_recentFiles.push_back(file);
    }
}

void CWinApp::OnFileNew()
{
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd && m_pMainWnd->m_hWnd)
        PostMessageA(m_pMainWnd->m_hWnd, WM_CLOSE, 0, 0);
}

void CWinApp::OnFileOpen()
{
    FileDialogRequest request;
    request.owner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    request.filter = "All Files (*.*)|*.*";
    if (SystemDialogs::Current().OpenFile(request))
        OpenDocumentFile(request.path);
}

void CWinApp::OnFilePrintSetup()
{
    PrinterRequest request;
    request.owner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    request.setupOnly = true;
    SystemDialogs::Current().ChoosePrinter(request);
    if (request.dc)
        DeleteDC(request.dc);
}

bool CWinApp::OpenDocumentFile(const std::string& path)
{
    AddToRecentFileList(path);
    return true;
}

void CWinApp::AddToRecentFileList(const std::string& path)
{
    for (auto entry = m_recentFiles.begin(); entry != m_recentFiles.end(); ++entry) {
        if (lstrcmpiA(entry->c_str(), path.c_str()) == 0) {
            m_recentFiles.erase(entry);
            break;
        }
    }
    m_recentFiles.insert(m_recentFiles.begin(), path);
    if (m_recentFiles.size() > m_maxRecent)
        m_recentFiles.resize(m_maxRecent);
}

bool PumpMessages()
{
    MSG message = {};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!DispatchOne(message)) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
    }
    CWinApp* app = CWinApp::Get();
    LONG count = 0;
    while (app && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && app->OnIdle(count++)) { }
    return true;
}

bool PumpMessages(int maxMessages)
{
    MSG message = {};
    for (int done = 0; done < maxMessages && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++done) {
        if (!DispatchOne(message)) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
    }
    return true;
}
