// CONFSHEETS.EXE: the service configuration or broadcast configuration sheet of one server or
// domain over the real DRUMEL.DLL, to look at.
// CONFSHEETS conf|bcast NAME [PAGE] [/domain] [/close N]: PAGE the page shown first; /domain
// takes NAME as a domain; /close N cancels the sheet after N seconds.
#include <windows.h>

#include <commctrl.h>

#include <sstream>
#include <cstdlib>
#include <string>

#include "broadcast_sheet.h"
#include "conf_props.h"
#include "framework.h"

namespace {

CPropertySheet* g_sheet = nullptr;
int g_page = 0;

void CALLBACK ShowPage(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (g_sheet && g_sheet->m_hWnd)
        g_sheet->SetActivePage(g_page);
}

void CALLBACK CloseShown(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_sheet && g_sheet->m_hWnd)
        ::PostMessageA(GetLastActivePopup(g_sheet->m_hWnd), WM_COMMAND, IDCANCEL, 0);
}

class CConfigSheetsApp : public CWinApp {
public:
    CConfigSheetsApp() : CWinApp("Configuration Sheets") { }

    BOOL InitInstance() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        std::istringstream words(m_cmdLine);
        std::string which = "conf", word;
        ConfigTarget target {TargetKind::kSingleServer, "ALPHA", "ALPHA"};
        int closeAfter = 0;
        for (int position = 0; words >> word; ++position) {
            // Some launchers pass the program's own path first.
            if (position == 0 && word.size() > 4 && _stricmp(word.c_str() + word.size() - 4, ".EXE") == 0) {
                position = -1;
                continue;
            }
            if (word == "/domain")
                target.kind = TargetKind::kDomain;
            else if (word == "/close" && words >> closeAfter)
                continue;
            else if (position == 0)
                which = word;
            else if (position == 1)
                target.nodeName = target.server = word;
            else
                g_page = std::atoi(word.c_str());
        }
        DrumelServiceCalls calls;
        CConfProps conf(calls, target);
        CBroadcastSheet bcast(calls, calls, target);
        g_sheet = which == "bcast" ? static_cast<CPropertySheet*>(&bcast) : &conf;
        SetTimer(nullptr, 0, 500, ShowPage);
        if (closeAfter > 0)
            SetTimer(nullptr, 0, UINT(closeAfter) * 1000, CloseShown);
        g_sheet->DoModal();
        g_sheet = nullptr;
        return FALSE;
    }
};

CConfigSheetsApp g_app;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    return g_app.WinMainBody(instance, commandLine, show);
}
