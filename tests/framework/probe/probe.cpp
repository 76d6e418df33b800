// FWPROBE.DLL: a plug-in built on the framework, to show that each module keeps its own
// application object and loads its own templates and strings.
#include <windows.h>

#include <cstring>
#include <string>

#include "framework.h"
#include "test_resource.h"

namespace {

CExtensionApp g_probeApp("FWPROBE");

// The plug-in's panel: a form whose OK button may only be pressed once the edit holds text.
class CProbePanel : public CFormView {
public:
    CProbePanel() : CFormView(IDD_PROBE_PANEL) { }
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CFormView::GetMessageMap(),
            {
                on::UpdateCommand(IDOK, &CProbePanel::OnUpdateOk),
            });
        return map;
    }

private:
    void OnUpdateOk(CCmdUI& ui) { ui.Enable(!GetDlgItemText(IDC_FORM_EDIT).empty()); }
};

CProbePanel* g_panel = nullptr;

int CopyOut(const std::string& text, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    int length = static_cast<int>(text.size()) < size - 1 ? static_cast<int>(text.size()) : size - 1;
    memcpy(buffer, text.data(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

}  // namespace

extern "C" int WINAPI ProbeString(UINT id, char* buffer, int size)
{
    return CopyOut(LoadResString(id), buffer, size);
}

extern "C" int WINAPI ProbeAppName(char* buffer, int size)
{
    CWinApp* app = CWinApp::Get();
    return CopyOut(app ? app->m_appName : std::string(), buffer, size);
}

extern "C" int WINAPI ProbeDialogCaption(char* buffer, int size)
{
    CDialog dialog(IDD_NAME);
    if (!dialog.Create())
        return -1;
    std::string caption = dialog.GetWindowText();
    dialog.DestroyWindow();
    return CopyOut(caption, buffer, size);
}

extern "C" BOOL WINAPI ProbeAttachHost(HWND host)
{
    return g_probeApp.AttachHost(host);
}

extern "C" HWND WINAPI ProbeOpenPanel()
{
    CWnd* host = g_probeApp.Host();
    if (!host || g_panel)
        return nullptr;
    g_panel = new CProbePanel;
    if (!g_panel->Create(host, RECT {0, 0, 300, 200}, AFX_IDW_PANE_FIRST, WS_CHILD | WS_VISIBLE)) {
        delete g_panel;
        g_panel = nullptr;
        return nullptr;
    }
    return g_panel->m_hWnd;
}

extern "C" void WINAPI ProbeClosePanel()
{
    delete g_panel;
    g_panel = nullptr;
    g_probeApp.DetachHost();
}

extern "C" BOOL WINAPI ProbeTranslate(MSG* message)
{
    return message && g_probeApp.TranslateHostMessage(*message);
}

extern "C" void WINAPI ProbeRunIdle()
{
    g_probeApp.RunIdle();
}

extern "C" int WINAPI ProbeAsk()
{
    return Prompt("Is the plug-in asking?", MB_YESNO);
}
