// PanelPlugin: initialise, describe, open, refresh, help, start and terminate, for both panels.
#include "panel_plugin.h"

#include <memory>

#include "mdi_child_wnd.h"
#include "module.h"
#include "plugin_protocol.h"
#include "prompter.h"

using namespace panel_protocol;

PanelPlugin::PanelPlugin(CExtensionApp& app, const PanelDescription& description)
    : m_app(app), m_description(description)
{
}

LRESULT PanelPlugin::HandleMessage(HWND host, UINT message, WPARAM, LPARAM lParam)
{
    try {
        if (message == kInitialise) {
            Initialise(host);
            return 0;
        }
        return Dispatch(message, lParam);
    } catch (const std::exception& error) {
        ReportFault("SP_MessageProc", error.what());
    } catch (...) {
        ReportFault("SP_MessageProc", "unknown exception");
    }
    return 0;
}

LRESULT PanelPlugin::Dispatch(UINT message, LPARAM lParam)
{
    switch (message) {
    case kTerminate: Terminate(); return 0;
    case kDescribe:
        // The host owns the record; without one there is nothing to fill.
        if (lParam)
            FillPanelInfo(*reinterpret_cast<PanelInfo*>(lParam));
        return 1;
    case kOpen: Open(); return 0;
    case kQueryAvailable: return m_available ? 1 : 0;
    case kHelp: PromptId(IDS_HELP_UNAVAILABLE, MB_ICONINFORMATION); return 1;
    case kReserved1544: return 1;
    case kPreTranslate: return lParam && m_app.TranslateHostMessage(*reinterpret_cast<MSG*>(lParam)) ? 1 : 0;
    case kRefresh: Refresh(); return 0;
    case kStart: OnStart(); return 1;
    case kTimer:
        if (m_description.forwardsTimer)
            ForwardTimer();
        return 0;
    default: return 0;
    }
}

void PanelPlugin::Initialise(HWND host)
{
    m_host = host;
    m_app.AttachHost(host);
    m_app.m_profileName = "VEXOMAR.INI";
    OnAttached();
    if (!RegisterPanelClass()) {
        Prompt(m_description.classFailureText);
        m_available = false;
        return;
    }
    OnInitialise();
}

bool PanelPlugin::RegisterPanelClass()
{
    return CWnd::RegisterWindowClass(
        m_description.windowClass, CS_GLOBALCLASS | CS_PARENTDC | CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), nullptr);
}

void PanelPlugin::Terminate()
{
    // A panel still open would keep this module's window procedures on the host's windows
    // after the host frees the library.
    if (m_panel && IsWindow(m_panel))
        ::SendMessageA(GetParent(m_panel), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_panel), 0);
    m_panel = nullptr;
    OnTerminate();
    m_app.DetachHost();
}

void PanelPlugin::Open()
{
    if (m_opening) {
        // A message box shown during creation lets the host's loop deliver another open.
        if (m_description.refusesReentrantOpen) {
            SoundBeep();
            return;
        }
    }
    if (!m_panel || !IsWindow(m_panel)) {
        m_opening = true;
        CreatePanel();
        m_opening = false;
    } else {
        ActivatePanel();
    }
}

void PanelPlugin::ActivatePanel()
{
    HWND client = GetParent(m_panel);
    if (IsIconic(m_panel))
        ::SendMessageA(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_panel), 0);
    if (!IsWindow(m_panel)) {
        PromptId(IDS_ACTIVATE_FAILED);
        return;
    }
    ::SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_panel), 0);
}

void PanelPlugin::CreatePanel()
{
    std::string title = LoadResString(IDS_PANEL_TITLE);
    if (title.empty()) {
        PromptId(IDS_RESOURCE_FAILED, MB_ICONSTOP);
        return;
    }
    HINSTANCE module = ModuleInstance();
    auto request = std::make_unique<MdiChildRequest>();
    request->size = sizeof(MdiChildRequest);
    request->resourceId = kPanelResourceId;
    request->menu = LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(kPanelResourceId));
    request->iconId = m_description.iconId;
    request->title = title.c_str();
    request->style = kPanelChildStyle;
    request->panelNumber = m_description.panelNumber;
    request->status = 0;
    HWND child = reinterpret_cast<HWND>(::SendMessageA(
        m_host, kCreateMdiChild, reinterpret_cast<WPARAM>(module), reinterpret_cast<LPARAM>(request.get())));
    if (!child || !IsWindow(child)) {
        // No window took the menu: it would otherwise stay behind.
        if (request->menu && (!child || !IsWindow(child)))
            DestroyMenu(request->menu);
        if (request->status == kRequestResourceMissing)
            PromptId(IDS_RESOURCE_FAILED, MB_ICONSTOP);
        return;
    }
    auto* mdiChild = new CMDIChildWnd;
    mdiChild->SetAutoDelete(true);
    CPanelFrameWnd* frame = MakePanelFrame();
    if (!mdiChild->AttachToHost(child) ||
        !frame->Create(m_description.windowClass, m_description.frameWindowName, child)) {
        if (!frame->m_hWnd)
            delete frame;
        if (!mdiChild->m_hWnd)
            delete mdiChild;
        ::SendMessageA(GetParent(child), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
        PromptId(IDS_RESOURCE_FAILED, MB_ICONSTOP);
        return;
    }
    RECT client = {};
    ::GetClientRect(child, &client);
    frame->MoveWindow(client);
    frame->ShowWindow(SW_SHOW);
    ShowWindow(child, SW_SHOW);
    if (m_description.titleShowsComputer) {
        std::string computer = ComputerName();
        if (!computer.empty())
            SetWindowTextA(child, (title + " : [" + computer + "]").c_str());
    }
    m_panel = child;
}

std::string PanelPlugin::ComputerName() const
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof(name);
    return GetComputerNameA(name, &size) ? std::string(name, size) : std::string();
}

void PanelPlugin::Refresh()
{
    m_app.RunIdle();
    if (!m_panel || !IsWindow(m_panel))
        return;
    if (HWND frame = GetWindow(m_panel, GW_CHILD))
        ::SendMessageA(frame, kPanelRefresh, 0, 0);
}

void PanelPlugin::ForwardTimer()
{
    if (!m_panel || !IsWindow(m_panel))
        return;
    if (HWND frame = GetWindow(m_panel, GW_CHILD))
        ::PostMessageA(frame, WM_TIMER, 1, 0);
}

std::string HelpFileForHost(const std::string& hostPath)
{
    if (hostPath.size() < 3)
        return "VEXOMAR.HLP";
    return hostPath.substr(0, hostPath.size() - 3) + "HLP";
}
