// CMainFrame: command forwarding, the two tab windows, menu swapping and command states.
#include "main_frame.h"

#include <ctime>

#include "admin_fv.h"
#include "al_tab_wnd.h"
#include "as_tab_wnd.h"
#include "exchange_mail_dlg.h"
#include "instance_guard.h"
#include "resource.h"

const CMainFrame::Page* CMainFrame::CurrentPage() const
{
    if (!m_shownTab)
        return nullptr;
    const std::vector<Page>& pages = m_shownTab == m_logsTab.get() ? m_logPages : m_configPages;
    const int selected = m_shownTab->GetCurSel();
    return selected >= 0 && selected < static_cast<int>(pages.size()) ? &pages[selected] : nullptr;
}

CWnd* CMainFrame::CurrentPageWindow() const
{
    const Page* page = CurrentPage();
    return page ? &page->page->PageWindow() : nullptr;
}

CWnd* CMainFrame::PageHandling(UINT id, const CWnd* except) const
{
    for (const std::vector<Page>* pages : {&m_logPages, &m_configPages}) {
        for (const Page& page : *pages) {
            CWnd& window = page.page->PageWindow();
            if (&window == except)
                continue;
            CommandRequest probe;
            probe.id = id;
            probe.probe = true;
            if (window.OnCmdMsg(probe))
                return &window;
        }
    }
    return nullptr;
}

// The pages never become the active view, so the frame hands their commands on: the page in
// front first (several pages share the enable/disable command), then the page that owns the
// command, then the frame and the application.
bool CMainFrame::OnCmdMsg(CommandRequest& request)
{
    if (request.id == ID_HELP_CONTENTS) {
        // Help goes to the page in front as its own help command.
        CWnd* page = CurrentPageWindow();
        if (!page)
            return false;
        CommandRequest help = request;
        help.id = ID_PAGE_HELP;
        const bool handled = page->OnCmdMsg(help);
        request.result = help.result;
        return handled;
    }
    if (request.id == ID_FILE_PRINT) {
        // Print always prints the log page chosen in the logs tab window.
        CWnd* logPage = m_logsTab ? LogPageWindow(m_logsTab->GetCurSel()) : nullptr;
        if (logPage && logPage->OnCmdMsg(request))
            return true;
        return CFrameWnd::OnCmdMsg(request);
    }
    CWnd* front = CurrentPageWindow();
    if (front && front->OnCmdMsg(request))
        return true;
    if (CWnd* owner = PageHandling(request.id, front); owner && owner->OnCmdMsg(request))
        return true;
    return CFrameWnd::OnCmdMsg(request);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BringUpMessage() && message != 0)
        return AnswerBringUp(m_hWnd, wParam, lParam);
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

bool CMainFrame::ConfigurationShown() const
{
    return m_shownTab && m_shownTab == m_configTab.get();
}

void CMainFrame::ShowLogs()
{
    ShowTab(m_logsTab.get());
}

void CMainFrame::ShowConfiguration()
{
    ShowTab(m_configTab.get());
}

void CMainFrame::ShowTab(CASTabWnd* tab)
{
    if (!tab)
        return;
    CASTabWnd* other = tab == m_logsTab.get() ? static_cast<CASTabWnd*>(m_configTab.get()) : m_logsTab.get();
    m_shownTab = tab;
    if (other)
        other->ShowWindow(SW_HIDE);
    tab->ShowWindow(SW_SHOW);
    tab->SetFocus();
    SetMenuForPage();
    RecalcLayout();
    HWND selector = m_toolBar.Selector();
    if (tab == m_configTab.get()) {
        ::ShowWindow(selector, SW_SHOW);
        RefillSelector();
    } else {
        ::ShowWindow(selector, SW_HIDE);
    }
}

void CMainFrame::SetMenuForPage()
{
    const Page* page = CurrentPage();
    if (!page)
        return;
    HMENU menu = MenuFor(page->row->menuId);
    if (!menu)
        return;
    HMENU previous = SwapMenu(menu);
    // The menu the window was created with is no menu of the pages: it goes with its first swap.
    bool own = false;
    for (const auto& [id, loaded] : m_menus)
        own = own || loaded == previous;
    if (previous && previous != menu && !own)
        DestroyMenu(previous);
    m_currentMenuId = page->row->menuId;
}

LRESULT CMainFrame::OnTabChanged(WPARAM, LPARAM)
{
    // Both tab windows carry the same id; only the one on show takes the user's clicks.
    if (const Page* page = CurrentPage(); page && page->row->reloadWhenChosen) {
        page->page->ReleaseItems();
        page->page->Load(0);
    }
    SetMenuForPage();
    return 0;
}

void CMainFrame::ShowConfigurationPage(int index)
{
    if (!m_configTab || index < 0 || index >= static_cast<int>(m_configPages.size()))
        return;
    if (m_configTab->Select(index) < 0 && m_configTab->GetCurSel() != index)
        return;
    ShowConfiguration();
    OnTabChanged(0, index);
}

void CMainFrame::OnShowConfiguration()
{
    if (m_values.serviceState == kServiceStopped) {
        ShowLogs();
        return;
    }
    ShowConfiguration();
}

void CMainFrame::OnShowLogs()
{
    ShowLogs();
}

void CMainFrame::OnShowStatistics()
{
    ShowLogs();
    m_logsTab->Select(kStatisticsPage);
    SetMenuForPage();
}

void CMainFrame::OnExchangeMailSetup()
{
    RunExchangeMailSetup(this, m_values);
}

void CMainFrame::OnUpdateShowConfiguration(CCmdUI& ui)
{
    ui.Enable(m_values.serviceState != kServiceStopped);
    ui.SetCheck(ConfigurationShown() ? 1 : 0);
}

void CMainFrame::OnUpdateShowLogs(CCmdUI& ui)
{
    ui.SetCheck(m_shownTab && m_shownTab == m_logsTab.get() ? 1 : 0);
}

void CMainFrame::OnUpdateNeedsRunningService(CCmdUI& ui)
{
    ui.Enable(m_values.serviceState != kServiceStopped);
}

void CMainFrame::OnUpdateServicePane(CCmdUI& ui)
{
    UINT text = IDS_SERVICE_STARTED;
    switch (m_values.serviceState) {
    case kServiceStopped: text = IDS_SERVICE_STOPPED; break;
    case kServicePaused: text = IDS_SERVICE_PAUSED; break;
    case kServiceStopping: text = IDS_SERVICE_STOPPING; break;
    default: break;
    }
    ui.SetText(LoadResString(text));
}

void CMainFrame::OnUpdateDatePane(CCmdUI& ui)
{
    char text[64] = {};
    const std::time_t now = std::time(nullptr);
    std::strftime(text, sizeof text, "%x", std::localtime(&now));
    ui.SetText(text);
}

void CMainFrame::OnUpdateTimePane(CCmdUI& ui)
{
    char text[64] = {};
    const std::time_t now = std::time(nullptr);
    std::strftime(text, sizeof text, "%I:%M %p", std::localtime(&now));
    ui.SetText(text);
}

void CMainFrame::ShowServiceStateNow()
{
    m_statusBar.SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    ::UpdateWindow(m_statusBar.m_hWnd);
}
