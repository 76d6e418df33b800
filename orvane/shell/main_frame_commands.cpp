// CMainFrame: command forwarding, the two tab windows, menu swapping and command states.
#include "main_frame.h"

#include <ctime>

#include "activity_log_view.h"
#include "al_static_wnd.h"
#include "al_tab_wnd.h"
#include "as_tab_wnd.h"
#include "event_dlg.h"
#include "exchange_mail_dlg.h"
#include "instance_guard.h"
#include "resource.h"

namespace {

bool IsOneOf(UINT id, std::initializer_list<UINT> ids)
{
    for (UINT candidate : ids)
        if (candidate == id)
            return true;
    return false;
}

}  // namespace

CWnd* CMainFrame::CurrentPage() const
{
    if (!m_shownTab)
        return nullptr;
    const int selected = m_shownTab->GetCurSel();
    return m_shownTab == m_logsTab.get() ? LogPageWindow(selected) : ConfigPage(selected);
}

CWnd* CMainFrame::ForwardTarget(UINT id) const
{
    if (IsOneOf(id, {ID_SERVICE_START, ID_SERVICE_PAUSE, ID_SERVICE_STOP, ID_SERVICE_PAUSE_MENU}))
        return m_statisticsPage.get();
    if (IsOneOf(id, {ID_EVENT_CLEAR_SELECTED, ID_EVENT_CLEAR_ALL, ID_EVENT_VIEW}))
        return m_eventPage.get();
    if (id == ID_ACTIVITY_CLEAR)
        return m_activityView.get();
    if (IsOneOf(id, {ID_SNMP_NEW, ID_SNMP_MODIFY, ID_SNMP_DELETE, ID_NOTIFY_TOGGLE}))
        return ConfigPage(kSnmpPage);
    if (IsOneOf(id, {ID_PAGER_NEW, ID_PAGER_MODIFY, ID_PAGER_DELETE, ID_PAGER_TOGGLE, ID_PAGER_PORT_SETUP}))
        return ConfigPage(kPagerPage);
    if (IsOneOf(id, {ID_EMAIL_ADDRESS, ID_EMAIL_ATTACH, ID_EMAIL_DETACH, ID_EMAIL_TOGGLE, ID_EMAIL_RECEIPT}))
        return ConfigPage(kEmailPage);
    if (id == ID_FILE_PRINT)
        return m_logsTab ? LogPageWindow(m_logsTab->GetCurSel()) : nullptr;
    return nullptr;
}

// The pages never become the active view, so the frame hands their commands on: the page in
// front first (several pages share the enable/disable command), then the page that owns the
// command, then the frame and the application.
bool CMainFrame::OnCmdMsg(CommandRequest& request)
{
    if (request.id == ID_HELP_CONTENTS) {
        // Help goes to the page in front as its own help command.
        CWnd* page = CurrentPage();
        if (!page)
            return false;
        CommandRequest help = request;
        help.id = ID_PAGE_HELP;
        const bool handled = page->OnCmdMsg(help);
        request.result = help.result;
        return handled;
    }
    CWnd* owner = ForwardTarget(request.id);
    if (request.id != ID_FILE_PRINT) {
        CWnd* front = CurrentPage();
        if (front && front != owner && front->OnCmdMsg(request))
            return true;
    }
    if (owner && owner->OnCmdMsg(request))
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
    // Indexes into kMenuIds and m_menus.
    static const int kLogMenus[] = {0, 2, 1};
    static const int kConfigMenus[] = {3, 3, 4, 5, 6, 7, 8};
    if (!m_shownTab)
        return;
    const int page = m_shownTab->GetCurSel();
    int slot = -1;
    if (m_shownTab == m_logsTab.get() && page >= 0 && page < kLogPageCount)
        slot = kLogMenus[page];
    else if (m_shownTab == m_configTab.get() && page >= 0 && page < kConfigPageCount)
        slot = kConfigMenus[page];
    if (slot < 0 || !m_menus[slot])
        return;
    SwapMenu(m_menus[slot]);
    m_currentMenuId = kMenuIds[slot];
}

LRESULT CMainFrame::OnTabChanged(WPARAM, LPARAM lParam)
{
    // Both tab windows carry the same id; only the one on show takes the user's clicks.
    if (ConfigurationShown() && lParam == kSummaryPage && m_configPages[kSummaryPage]) {
        m_configPages[kSummaryPage]->ReleaseItems();
        m_configPages[kSummaryPage]->Load(0);
    }
    SetMenuForPage();
    return 0;
}

void CMainFrame::OnShowConfiguration()
{
    if (Program().serviceState == kServiceStopped) {
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
    RunExchangeMailSetup(this);
}

void CMainFrame::OnUpdateShowConfiguration(CCmdUI& ui)
{
    FollowServiceState();
    const bool stopped = Program().serviceState == kServiceStopped;
    if (stopped && ConfigurationShown())
        ShowLogs();
    ui.Enable(!stopped);
    ui.SetCheck(ConfigurationShown() ? 1 : 0);
}

void CMainFrame::OnUpdateShowLogs(CCmdUI& ui)
{
    ui.SetCheck(m_shownTab && m_shownTab == m_logsTab.get() ? 1 : 0);
}

void CMainFrame::OnUpdateNeedsRunningService(CCmdUI& ui)
{
    ui.Enable(Program().serviceState != kServiceStopped);
}

void CMainFrame::OnUpdateServicePane(CCmdUI& ui)
{
    UINT text = IDS_SERVICE_STARTED;
    switch (Program().serviceState) {
    case kServiceStopped: text = IDS_SERVICE_STOPPED; break;
    case kServicePaused: text = IDS_SERVICE_PAUSED; break;
    case kServiceStopping: text = IDS_SERVICE_STOPPING; break;
    default: break;
    }
    ui.SetText(LoadResString(text));
    if (Program().serviceState == kServiceStopping && m_stoppingPause) {
        // The stop was asked by this program: the text stays a moment before the next state.
        ::UpdateWindow(m_statusBar.m_hWnd);
        Sleep(m_stoppingPause);
        ui.SetText(LoadResString(text));
    }
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
