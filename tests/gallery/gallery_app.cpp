// GALLERY.EXE: shows the framework's windows and each custom control, for a look at them.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework.h"
#include "gallery_frame.h"
#include "gallery_resource.h"

namespace {

using JustificationSwitch = BOOL(WINAPI*)(BOOL);

void CALLBACK OpenOptionsOnce(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (CWinApp* app = CWinApp::Get(); app && app->m_pMainWnd)
        app->m_pMainWnd->PostMessage(WM_COMMAND, ID_GALLERY_OPTIONS);
}

class CGalleryApp : public CWinApp {
public:
    CGalleryApp() : CWinApp("Control Gallery") { }

    BOOL InitInstance() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES};
        InitCommonControlsEx(&controls);
        m_controls = LoadLibraryA("QVCTRLU.DLL");
        if (!m_controls) {
            Prompt("Can not run this test without custom ctrl DLL QVCTRL.DLL !");
            return FALSE;
        }
        if (FARPROC found = GetProcAddress(m_controls, "EnableStatic3DJustification")) {
            JustificationSwitch enable = nullptr;
            memcpy(&enable, &found, sizeof enable);
            enable(TRUE);
        }
        auto* frame = new CGalleryFrame;
        frame->SetAutoDelete(true);
        m_pMainWnd = frame;
        if (!frame->Build()) {
            m_pMainWnd = nullptr;
            if (frame->m_hWnd)
                frame->DestroyWindow();
            else
                delete frame;
            return FALSE;
        }
        frame->CenterWindow();
        frame->ShowWindow(m_nCmdShow);
        frame->UpdateWindow();
        // "/exit": build everything, run one idle pass and end (the build's smoke test).
        if (m_cmdLine.find("/exit") != std::string::npos)
            frame->PostMessage(WM_CLOSE);
        // "/options": opens the property sheet at once, to look at a page's controls.
        if (m_cmdLine.find("/options") != std::string::npos)
            SetTimer(nullptr, 0, 1500, OpenOptionsOnce);
        return TRUE;
    }

    int ExitInstance() override
    {
        m_pMainWnd = nullptr;
        if (m_controls)
            FreeLibrary(m_controls);
        return 0;
    }

private:
    HMODULE m_controls = nullptr;
};

CGalleryApp g_app;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    return g_app.WinMainBody(instance, commandLine, show);
}
