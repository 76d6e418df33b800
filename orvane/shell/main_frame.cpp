// CMainFrame: creation, placement, layout, the 1-second timer and destruction.
#include "main_frame.h"

#include <algorithm>

#include "activity_log_view.h"
#include "al_static_wnd.h"
#include "al_tab_wnd.h"
#include "as_tab_wnd.h"
#include "event_dlg.h"
#include "main_frame_pages.h"
#include "resource.h"

namespace {

constexpr UINT kTabWindowId = 100;
constexpr int kPendingMessagesPumped = 50;
constexpr UINT_PTR kClockTimer = 6;
constexpr UINT kClockPeriod = 1000;
constexpr int kAnimationIcons = 3;
// The bar toggled by the View menu's "Status Bar" keeps the framework's status bar id; the
// service bar has one of its own.
constexpr UINT kServiceStatusBarId = AFX_IDW_STATUS_BAR + 16;

const UINT kServiceBarPanes[] = {ID_SEPARATOR, ID_INDICATOR_SERVICE, ID_INDICATOR_DATE, ID_INDICATOR_TIME};
const UINT kKeyBarPanes[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

const UINT kLogTitles[] = {IDS_TITLE_ALERT_SUMMARY, IDS_TITLE_EVENT_LOG, IDS_TITLE_ACTIVITY_LOG};
const UINT kConfigTitles[] = {IDS_TITLE_SUMMARY, IDS_TITLE_BROADCAST, IDS_TITLE_PAGER, IDS_TITLE_SNMP,
                              IDS_TITLE_TICKET, IDS_TITLE_EMAIL, IDS_TITLE_EVENT_NOTIFY};

}  // namespace

CMainFrame::CMainFrame(ServiceControl& serviceControl) : m_serviceControl(serviceControl)
{
    // A freshly started program administers this computer.
    DWORD size = sizeof Program().serverName;
    if (!GetComputerNameA(Program().serverName, &size))
        Program().serverName[0] = '\0';
}

CMainFrame::~CMainFrame()
{
    if (Program().frame == this)
        Program().frame = nullptr;
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
    for (HMENU& menu : m_menus) {
        if (menu)
            DestroyMenu(menu);
        menu = nullptr;
    }
    if (m_animationIcon)
        DestroyIcon(m_animationIcon);
}

const MessageMap& CMainFrame::GetMessageMap() const
{
    static const MessageMap map(CFrameWnd::GetMessageMap(), {
        on::Create(&CMainFrame::OnCreate),
        on::Destroy(&CMainFrame::OnDestroy),
        on::Timer(&CMainFrame::OnTimer),
        on::Size(&CMainFrame::OnSize),
        on::Move(&CMainFrame::OnMove),
        on::EraseBackground(&CMainFrame::OnEraseBackground),
        on::Message(kTabSelectedMessage, &CMainFrame::OnTabChanged),
        on::ControlCode(IDC_APPLICATION_SELECTOR, CBN_SELCHANGE, &CMainFrame::OnSelectorChange),
        on::Command(ID_SHOW_CONFIGURATION, &CMainFrame::OnShowConfiguration),
        on::Command(ID_SHOW_LOGS, &CMainFrame::OnShowLogs),
        on::Command(ID_SHOW_STATISTICS, &CMainFrame::OnShowStatistics),
        on::Command(ID_EXCHANGE_MAIL_SETUP, &CMainFrame::OnExchangeMailSetup),
        on::UpdateCommand(ID_SHOW_CONFIGURATION, &CMainFrame::OnUpdateShowConfiguration),
        on::UpdateCommand(ID_SHOW_LOGS, &CMainFrame::OnUpdateShowLogs),
        on::UpdateCommand(ID_SHOW_STATISTICS, &CMainFrame::OnUpdateShowLogs),
        on::UpdateCommand(ID_PAGER_PORT_SETUP, &CMainFrame::OnUpdateNeedsRunningService),
        on::UpdateCommand(ID_EXCHANGE_MAIL_SETUP, &CMainFrame::OnUpdateNeedsRunningService),
        on::UpdateCommand(ID_INDICATOR_SERVICE, &CMainFrame::OnUpdateServicePane),
        on::UpdateCommand(ID_INDICATOR_DATE, &CMainFrame::OnUpdateDatePane),
        on::UpdateCommand(ID_INDICATOR_TIME, &CMainFrame::OnUpdateTimePane),
    });
    return map;
}

int CMainFrame::OnCreate(CREATESTRUCTA&)
{
    PlaceOnScreen();
    if (!CreateBars() || !CreateTabWindows() || !CreatePages())
        return -1;
    for (size_t i = 0; i < m_menus.size(); ++i)
        m_menus[i] = LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(kMenuIds[i]));
    Program().frame = this;
    ShowTab(m_logsTab.get());
    FitLargestPage();
    SetTimer(kClockTimer, kClockPeriod);
    return 0;
}

void CMainFrame::PlaceOnScreen()
{
    PlaceOnScreen(m_defaultSize);
}

void CMainFrame::PlaceOnScreen(SIZE size)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int left = (screenWidth - size.cx) / 2;
    int top = (screenHeight - size.cy) / 2;
    // Back inside the screen where the window would overhang.
    left = std::max(0, std::min(left, screenWidth - static_cast<int>(size.cx)));
    top = std::max(0, std::min(top, screenHeight - static_cast<int>(size.cy)));
    SetWindowPos(m_hWnd, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    m_lastTopLeft = POINT{left, top};
}

// The default size fits the pages' templates with the system's dialog font; where the font
// is wider the frame grows so that no page opens with scroll bars.
void CMainFrame::FitLargestPage()
{
    SIZE largest = {0, 0};
    auto consider = [&largest](const CAdminFV* page) {
        if (!page)
            return;
        largest.cx = std::max(largest.cx, page->GetTotalSize().cx);
        largest.cy = std::max(largest.cy, page->GetTotalSize().cy);
    };
    consider(m_statisticsPage.get());
    consider(m_eventPage.get());
    for (const auto& page : m_configPages)
        consider(page.get());

    const RECT area = RepositionBars();
    const RECT tabClient = m_logsTab->GetClientRect();
    const RECT pageArea = m_logsTab->GetPageRect();
    const int needWidth = largest.cx + (tabClient.right - tabClient.left) - (pageArea.right - pageArea.left);
    const int needHeight = largest.cy + (tabClient.bottom - tabClient.top) - (pageArea.bottom - pageArea.top);
    const int growWidth = std::max(0, needWidth - static_cast<int>(area.right - area.left));
    const int growHeight = std::max(0, needHeight - static_cast<int>(area.bottom - area.top));
    if (growWidth == 0 && growHeight == 0)
        return;
    const RECT window = CWnd::GetWindowRect();
    const SIZE size = {std::min<LONG>(window.right - window.left + growWidth, GetSystemMetrics(SM_CXSCREEN)),
                       std::min<LONG>(window.bottom - window.top + growHeight, GetSystemMetrics(SM_CYSCREEN))};
    PlaceOnScreen(size);
    RecalcLayout();
}

bool CMainFrame::CreateBars()
{
    if (!m_toolBar.CreateFor(this))
        return false;
    if (!m_statusBar.Create(this, WS_CHILD | WS_VISIBLE, kServiceStatusBarId) ||
        !m_statusBar.SetIndicators(kServiceBarPanes, static_cast<int>(std::size(kServiceBarPanes))))
        return false;
    if (!m_keyStatusBar.Create(this, WS_CHILD | WS_VISIBLE, AFX_IDW_STATUS_BAR) ||
        !m_keyStatusBar.SetIndicators(kKeyBarPanes, static_cast<int>(std::size(kKeyBarPanes))))
        return false;
    // The service pane is as wide as its widest text.
    int widest = 0;
    for (UINT id : {IDS_SERVICE_STOPPED, IDS_SERVICE_PAUSED, IDS_SERVICE_STARTED, IDS_SERVICE_STOPPING,
                    IDS_SERVICE_UNKNOWN})
        widest = std::max(widest, m_statusBar.MeasureText(LoadResString(id)));
    m_statusBar.SetPaneInfo(1, ID_INDICATOR_SERVICE, widest);
    AddControlBar(&m_toolBar);
    AddControlBar(&m_keyStatusBar);
    AddControlBar(&m_statusBar);
    return true;
}

bool CMainFrame::CreateTabWindows()
{
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    m_logsTab = std::make_unique<CASTabWnd>();
    if (!m_logsTab->Create(m_hWnd, client, kTabWindowId, m_logPageCount))
        return false;
    PumpMessages(kPendingMessagesPumped);
    m_configTab = std::make_unique<CALTabWnd>(Core(), Program().serverName);
    if (!m_configTab->Create(m_hWnd, client, kTabWindowId, m_configPageCount))
        return false;
    PumpMessages(kPendingMessagesPumped);
    m_logsTab->ShowWindow(SW_HIDE);
    m_configTab->ShowWindow(SW_HIDE);
    return true;
}

bool CMainFrame::CreatePages()
{
    m_statisticsPage = std::make_unique<CAlStaticWnd>(m_serviceControl);
    m_eventPage = std::make_unique<CEventDlg>();
    m_activityView = std::make_unique<CActivityLogView>();
    if (!m_statisticsPage->CreateInTab(*m_logsTab, kStatisticsPage) ||
        !m_eventPage->CreateInTab(*m_logsTab, kEventPage) ||
        !m_activityView->CreateInTab(*m_logsTab, kActivityPage))
        return false;
    for (int i = 0; i < m_logPageCount; ++i)
        m_logsTab->SetTab(i, -1, LoadResString(kLogTitles[i]), LogPageWindow(i)->m_hWnd, true);
    m_statisticsPage->Load(1);
    m_eventPage->Load(1);
    // The activity log is an edit view, not a page of the common base: its first refresh
    // starts its timer.
    m_activityView->Refresh(1);

    for (int i = 0; i < m_configPageCount; ++i) {
        m_configPages[i] = MakeConfigurationPage(i);
        if (!m_configPages[i] || !m_configPages[i]->CreateInTab(*m_configTab, i))
            return false;
        m_configTab->SetTab(i, -1, LoadResString(kConfigTitles[i]), m_configPages[i]->m_hWnd, true);
        m_configPages[i]->Load(1);
    }
    m_logsTab->Select(0);
    m_configTab->Select(0);
    return true;
}

void CMainFrame::OnDestroy()
{
    KillTimer(kClockTimer);
    // The pages go before their tab windows.
    m_statisticsPage.reset();
    m_eventPage.reset();
    m_activityView.reset();
    for (auto& page : m_configPages)
        page.reset();
    if (Program().frame == this)
        Program().frame = nullptr;
    CFrameWnd::OnDestroy();
}

void CMainFrame::LayoutClientArea(const RECT& area)
{
    if (m_shownTab && m_shownTab->m_hWnd)
        m_shownTab->MoveWindow(area, true);
}

void CMainFrame::OnSize(UINT type, int cx, int cy)
{
    if (type == SIZE_MINIMIZED)
        return;
    if (m_animationIcon) {
        // Back from the minimised state: the program icon again.
        HICON programIcon = LoadIconA(ResourceInstance(), MAKEINTRESOURCEA(IDR_MAINFRAME));
        SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(programIcon));
        DestroyIcon(m_animationIcon);
        m_animationIcon = nullptr;
    }
    CFrameWnd::OnSize(type, cx, cy);
}

void CMainFrame::OnMove(int, int)
{
    if (IsIconic(m_hWnd))
        return;
    RECT window = {};
    ::GetWindowRect(m_hWnd, &window);
    m_lastTopLeft = POINT{window.left, window.top};
}

BOOL CMainFrame::OnEraseBackground(HDC dc)
{
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    return TRUE;
}

void CMainFrame::OnTimer(UINT_PTR id)
{
    if (id != kClockTimer)
        return;
    FollowServiceState();
    // The clock, the service pane and the buttons follow the state even while no input
    // restarts the idle pass.
    UpdateCommandStates();
    if (IsIconic(m_hWnd))
        AnimateIcon();
}

void CMainFrame::AnimateIcon()
{
    m_iconCounter = (m_iconCounter + 1) % kAnimationIcons;
    HICON next = static_cast<HICON>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(IDI_RING_FIRST + m_iconCounter),
                                               IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    if (!next)
        return;
    SetClassLongPtrA(m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(next));
    if (m_animationIcon)
        DestroyIcon(m_animationIcon);
    m_animationIcon = next;
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

CWnd* CMainFrame::LogPageWindow(int index) const
{
    switch (index) {
    case kStatisticsPage: return m_statisticsPage.get();
    case kEventPage: return m_eventPage.get();
    case kActivityPage: return m_activityView.get();
    default: return nullptr;
    }
}

CAdminFV* CMainFrame::ConfigPage(int index) const
{
    return index >= 0 && index < m_configPageCount ? m_configPages[index].get() : nullptr;
}
