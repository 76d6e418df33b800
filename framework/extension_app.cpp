// The application object of a plug-in DLL: host binding, key translation and idle work.
#include "extension_app.h"

#include "dialog_item_cmd_ui.h"

namespace {

// An idle pass that never reports the end of its work must not hold the host forever.
constexpr LONG kIdleStepLimit = 32;

}  // namespace

CExtensionApp::~CExtensionApp()
{
    DetachHost();
}

bool CExtensionApp::AttachHost(HWND host)
{
    if (!host || !IsWindow(host) || m_host.m_hWnd)
        return false;
    if (!m_host.Attach(host))
        return false;
    m_pMainWnd = &m_host;
    return true;
}

void CExtensionApp::DetachHost()
{
    if (m_pMainWnd == &m_host)
        m_pMainWnd = nullptr;
    if (m_host.m_hWnd)
        m_host.Detach();
}

bool CExtensionApp::TranslateHostMessage(MSG& message)
{
    return PreTranslateMessage(message) != FALSE;
}

void CExtensionApp::RunIdle()
{
    for (LONG step = 0; step < kIdleStepLimit && OnIdle(step); ++step) { }
}

void CExtensionApp::UpdateCommandStates()
{
    // The windows of this module whose parent is no window of it: the panels and the
    // plug-in's own popups. Everything below each is reached from there.
    for (HWND window : CWnd::PermanentWindows()) {
        if (window == m_host.m_hWnd || !IsWindow(window))
            continue;
        HWND parent = ::GetParent(window);
        if (parent && parent != m_host.m_hWnd && CWnd::FromHandlePermanent(parent))
            continue;
        RunIdleUpdate(window);
    }
}

int CExtensionApp::Run()
{
    return 0;
}
