// CMDIChildWnd: binding to a host's MDI child and the MDI requests to its client window.
#include "mdi_child_wnd.h"

#include "framework_ids.h"
#include "win_app.h"

const MessageMap& CMDIChildWnd::GetMessageMap() const
{
    static const MessageMap map(CFrameWnd::GetMessageMap(),
        {
            on::Destroy(&CMDIChildWnd::OnDestroyChild),
        });
    return map;
}

bool CMDIChildWnd::AttachToHost(HWND mdiChild)
{
    if (!mdiChild || !IsWindow(mdiChild))
        return false;
    return SubclassWindow(mdiChild);
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessageA(GetParent(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore()
{
    ::SendMessageA(GetParent(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageA(GetParent(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::LayoutClientArea(const RECT& area)
{
    HWND content = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (!content)
        content = GetWindow(m_hWnd, GW_CHILD);
    if (content)
        ::MoveWindow(content, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void CMDIChildWnd::OnDestroyChild()
{
    // An MDI child is never the application's main window; its end is no reason to quit.
    Default();
}
