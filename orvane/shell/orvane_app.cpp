// COrvaneApp: start-up in its fixed order, the application's commands and shut-down.
#include "orvane_app.h"

#include <cstring>

#include "about_dlg.h"
#include "alert_home_directory.h"
#include "custom_control_library.h"
#include "main_frame.h"
#include "program_values.h"
#include "resource.h"
#include "server_connection.h"
#include "service_control.h"
#include "splash_wnd.h"
#include "startup_ids.h"

namespace {

// The custom control library stays loaded for the process; the program-wide slot lets the
// shut-down free it whoever loaded it.
HMODULE& CustomControlSlot()
{
    static HMODULE module = nullptr;
    return module;
}

}  // namespace

COrvaneApp::COrvaneApp()
{
    const std::string home = ReadAlertHomeDirectory();
    std::strncpy(m_homeDirectory, home.c_str(), sizeof m_homeDirectory - 1);
    m_values.core = &m_core;
    m_values.serviceControl = &SystemServiceControl();
}

COrvaneApp::~COrvaneApp() = default;

const MessageMap& COrvaneApp::GetMessageMap() const
{
    static const MessageMap map(CWinApp::GetMessageMap(),
        {
            on::Command(ID_SELECT_SERVER, &COrvaneApp::OnSelectServer),
            on::Command(ID_APP_ABOUT, &COrvaneApp::OnAbout),
            on::Command(ID_FILE_NEW, &CWinApp::OnFileNew),
            on::Command(ID_FILE_OPEN, &CWinApp::OnFileOpen),
            on::Command(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup),
            on::Command(ID_APP_EXIT, &CWinApp::OnAppExit),
        });
    return map;
}

BOOL COrvaneApp::InitInstance()
{
    if (!m_homeDirectory[0]) {
        PromptId(IDS_INSTALL_NOT_COMPLETED, MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    switch (m_instance.Acquire()) {
    case InstanceResult::FirstCopy: break;
    case InstanceResult::OtherCopySilent: PromptId(IDS_ALREADY_RUNNING, MB_OK | MB_ICONSTOP); return FALSE;
    default:
        // Another copy came to the front, or the mutex could not be made: end silently.
        return FALSE;
    }
    // The 3-D look comes from the controls' extended styles; there is nothing to register.
    LoadStdProfileSettings(4);

    CustomControlSlot() = LoadCustomControls();
    if (!CustomControlSlot()) {
        PromptId(IDS_CUSTOM_CONTROLS_MISSING, MB_OK | MB_ICONSTOP);
        return FALSE;
    }

    CSplashWnd splash;
    splash.Show();
    m_mainFrame = std::make_unique<CMainFrame>(m_values);
    m_pMainWnd = m_mainFrame.get();
    if (!m_mainFrame->Create(nullptr, LoadResString(IDS_APP_TITLE).c_str(), WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault,
            nullptr, IDR_MENU_STATISTICS)) {
        splash.DestroyWindow();
        m_pMainWnd = nullptr;
        m_mainFrame.reset();
        return FALSE;
    }
    m_programIcon = LoadIconA(m_hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    SetClassLongPtrA(m_mainFrame->m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(m_programIcon));
    m_mainFrame->LoadAccelTable(IDR_MAINFRAME);

    splash.DestroyWindow();
    m_mainFrame->ShowWindow(m_nCmdShow);
    m_mainFrame->UpdateWindow();
    return TRUE;
}

int COrvaneApp::ExitInstance()
{
    if (CustomControlSlot()) {
        FreeLibrary(CustomControlSlot());
        CustomControlSlot() = nullptr;
    }
    if (m_programIcon) {
        DestroyIcon(m_programIcon);
        m_programIcon = nullptr;
    }
    m_pMainWnd = nullptr;
    m_mainFrame.reset();
    m_instance.Close();
    return CWinApp::ExitInstance();
}

void COrvaneApp::OnSelectServer()
{
    RunSelectServer(m_pMainWnd, m_values);
}

void COrvaneApp::OnAbout()
{
    CAboutDlg about(m_pMainWnd);
    about.DoModal();
}
