// CPanelFrameWnd: creation of the toolbar and the pane, their layout and the refresh.
#include "panel_frame_wnd.h"

#include "framework_ids.h"
#include "plugin_protocol.h"

CPanelFrameWnd::CPanelFrameWnd(PanelToolbar toolbar) : m_toolbarLayout(std::move(toolbar))
{
    SetAutoDelete(true);
}

bool CPanelFrameWnd::Create(const char* className, const char* windowName, HWND mdiChild)
{
    RECT client = {};
    ::GetClientRect(mdiChild, &client);
    return CreateEx(0, className, windowName, WS_CHILD | WS_CLIPSIBLINGS, client, mdiChild, AFX_IDW_PANE_FIRST);
}

const MessageMap& CPanelFrameWnd::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::Create(&CPanelFrameWnd::OnCreate),
            on::Size(&CPanelFrameWnd::OnSize),
            on::Message(panel_protocol::kPanelRefresh, &CPanelFrameWnd::OnPanelRefresh),
            on::SetFocus(&CPanelFrameWnd::OnSetFocus),
        });
    return map;
}

int CPanelFrameWnd::OnCreate(CREATESTRUCTA&)
{
    if (!m_toolBar.Create(this) || !m_toolBar.LoadBitmap(m_toolbarLayout.bitmapId) ||
        !m_toolBar.SetButtons(m_toolbarLayout.buttons.data(), static_cast<int>(m_toolbarLayout.buttons.size())))
        return -1;
    m_pane = new CWndList;
    if (!m_pane->Create(this, RECT {0, 0, 0, 0}, AFX_IDW_PANE_FIRST + 1)) {
        delete m_pane;
        m_pane = nullptr;
        return -1;
    }
    return 0;
}

void CPanelFrameWnd::OnSize(UINT, int width, int height)
{
    if (!m_toolBar.m_hWnd || !m_pane)
        return;
    const int barHeight = m_toolBar.CalcHeight();
    m_toolBar.MoveWindow(0, 0, width, barHeight);
    m_pane->MoveWindow(0, barHeight, width, height > barHeight ? height - barHeight : 0);
}

LRESULT CPanelFrameWnd::OnPanelRefresh(WPARAM, LPARAM)
{
    if (m_toolBar.m_hWnd)
        m_toolBar.SendMessage(panel_protocol::kIdleUpdateCmdUI, 1, 0);
    return 0;
}

void CPanelFrameWnd::OnSetFocus(HWND)
{
    if (m_pane && m_pane->m_hWnd)
        m_pane->SetFocus();
}

void CPanelFrameWnd::LayOutBarAndSplitter(CSplitterWnd& splitter, bool& splitPlaced, int width, int height)
{
    if (!m_toolBar.m_hWnd || !splitter.m_hWnd)
        return;
    const int barHeight = m_toolBar.CalcHeight();
    m_toolBar.MoveWindow(0, 0, width, barHeight);
    if (!splitPlaced && width > 0) {
        splitter.SetColumnInfo(0, width * 2 / 5, 0);
        splitPlaced = true;
    }
    splitter.MoveWindow(0, barHeight, width, height > barHeight ? height - barHeight : 0);
}
