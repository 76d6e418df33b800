// CMainFrame: creation, placement, layout, the 1-second timer and destruction.
#include "main_frame.h"

#include <algorithm>

#include "admin_fv.h"
#include "al_tab_wnd.h"
#include "as_tab_wnd.h"
#include "regional_settings_loader.h"
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

int CountOf(const std::vector<PageRow>& rows, PageTab tab)
{
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [tab](const PageRow& row) { return row.tab == tab; }));
}

// A setting change that concerns the regional settings: the "intl" section, or every section.
bool NamesRegionalSettings(LPARAM lParam)
{
    const char* section = reinterpret_cast<const char*>(lParam);
    return !section || lstrcmpiA(section, "intl") == 0;
}

}  // namespace

CMainFrame::CMainFrame(ProgramValues& values, const std::vector<PageRow>& rows) : m_values(values), m_rows(rows)
{
    // A freshly started program administers this computer.
    DWORD size = sizeof m_values.serverName;
    if (!GetComputerNameA(m_values.serverName, &size))
        m_values.serverName[0] = '\0';
}

CMainFrame::~CMainFrame()
{
    if (m_values.frame == this)
        m_values.frame = nullptr;
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
    for (auto& [id, menu] : m_menus) {
        if (menu)
            DestroyMenu(menu);
    }
    m_menus.clear();
    if (m_animationIcon)
        DestroyIcon(m_animationIcon);
}

const MessageMap& CMainFrame::GetMessageMap() const
{
    static const MessageMap map(CFrameWnd::GetMessageMap(),
        {
            on::Create(&CMainFrame::OnCreate),
            on::Destroy(&CMainFrame::OnDestroy),
            on::Timer(&CMainFrame::OnTimer),
            on::Size(&CMainFrame::OnSize),
            on::Move(&CMainFrame::OnMove),
            on::EraseBackground(&CMainFrame::OnEraseBackground),
            on::Message(WM_WININICHANGE, &CMainFrame::OnSettingChange),
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
    // The event viewer prints dates and times as the regional settings say, from its first fill.
    LoadSettings();
    for (const PageRow& row : m_rows)
        MenuFor(row.menuId);
    if (!CreateBars() || !CreateTabWindows() || !CreatePages())
        return -1;
    m_values.frame = this;
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
    m_lastTopLeft = POINT {left, top};
}

// The default size fits the pages' templates with the system's dialog font; where the font
// is wider the frame grows so that no page opens with scroll bars.
void CMainFrame::FitLargestPage()
{
    SIZE largest = {0, 0};
    for (const std::vector<Page>* pages : {&m_logPages, &m_configPages}) {
        for (const Page& page : *pages) {
            const SIZE natural = page.page->NaturalSize();
            largest.cx = std::max(largest.cx, natural.cx);
            largest.cy = std::max(largest.cy, natural.cy);
        }
    }

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
    for (UINT id :
        {IDS_SERVICE_STOPPED, IDS_SERVICE_PAUSED, IDS_SERVICE_STARTED, IDS_SERVICE_STOPPING, IDS_SERVICE_UNKNOWN})
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
    if (!m_logsTab->Create(m_hWnd, client, kTabWindowId, CountOf(m_rows, PageTab::Logs)))
        return false;
    PumpMessages(kPendingMessagesPumped);
    m_configTab = std::make_unique<CALTabWnd>(m_values.Core(), m_values.serverName);
    if (!m_configTab->Create(m_hWnd, client, kTabWindowId, CountOf(m_rows, PageTab::Configuration)))
        return false;
    PumpMessages(kPendingMessagesPumped);
    m_logsTab->ShowWindow(SW_HIDE);
    m_configTab->ShowWindow(SW_HIDE);
    return true;
}

bool CMainFrame::CreatePages()
{
    if (!CreatePagesOf(PageTab::Logs, *m_logsTab, m_logPages) ||
        !CreatePagesOf(PageTab::Configuration, *m_configTab, m_configPages))
        return false;
    m_logsTab->Select(0);
    m_configTab->Select(0);
    return true;
}

bool CMainFrame::CreatePagesOf(PageTab tab, CASTabWnd& window, std::vector<Page>& pages)
{
    for (const PageRow& row : m_rows) {
        if (row.tab != tab)
            continue;
        const int index = static_cast<int>(pages.size());
        std::unique_ptr<FramePage> page = row.make(m_values);
        if (!page || !page->CreateInTab(window, index))
            return false;
        window.SetTab(index, -1, LoadResString(row.titleId), page->PageWindow().m_hWnd, true);
        page->Load(1);
        pages.push_back(Page {&row, std::move(page)});
    }
    return true;
}

void CMainFrame::OnDestroy()
{
    KillTimer(kClockTimer);
    // The pages go before their tab windows.
    m_logPages.clear();
    m_configPages.clear();
    if (m_values.frame == this)
        m_values.frame = nullptr;
    // The menu on the bar is one of the frame's own: taken off, the window does not destroy
    // it, and the destructor destroys each menu once.
    ::SetMenu(m_hWnd, nullptr);
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
    m_lastTopLeft = POINT {window.left, window.top};
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
    HICON next = static_cast<HICON>(LoadImageA(
        ResourceInstance(), MAKEINTRESOURCEA(IDI_RING_FIRST + m_iconCounter), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
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
    return index >= 0 && index < static_cast<int>(m_logPages.size()) ? &m_logPages[index].page->PageWindow() : nullptr;
}

CAdminFV* CMainFrame::ConfigPage(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_configPages.size()))
        return nullptr;
    return dynamic_cast<CAdminFV*>(&m_configPages[index].page->PageWindow());
}

HMENU CMainFrame::MenuFor(UINT menuId)
{
    auto found = m_menus.find(menuId);
    if (found != m_menus.end())
        return found->second;
    HMENU menu = LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(menuId));
    m_menus[menuId] = menu;
    return menu;
}

LRESULT CMainFrame::OnSettingChange(WPARAM, LPARAM lParam)
{
    // The event viewer's dates and times follow the regional settings from the next fill on.
    if (NamesRegionalSettings(lParam))
        LoadSettings();
    return Default();
}
