// CMainFrame: the Alert Manager's top-level window with its two tab windows.
#pragma once

#include <windows.h>

#include <array>
#include <iterator>
#include <memory>
#include <string>

#include "app_tool_bar.h"
#include "framework.h"
#include "program_values.h"
#include "resource.h"
#include "service_control.h"

class CASTabWnd;
class CALTabWnd;
class CAdminFV;
class CRecipientPage;
class CAlStaticWnd;
class CEventDlg;
class CActivityLogView;

// Shows either the logs tab window (statistics, event viewer, activity log) or the
// configuration tab window (summary and six delivery methods), swaps the menu bar to suit the
// page in front, forwards commands to the pages that own them and reloads every page after a
// connection or a service command.
class CMainFrame : public CFrameWnd, public FrameRequests {
public:
    // Log pages and configuration pages, in tab order.
    enum LogPage { kStatisticsPage, kEventPage, kActivityPage, kLogPageCount };
    enum ConfigPage {
        kSummaryPage, kBroadcastPage, kPagerPage, kSnmpPage, kTicketPage, kEmailPage, kEventLogPage,
        kConfigPageCount
    };

    // Fills the current server name with this computer's name. The statistics page asks
    // `serviceControl` for the Alert Service's status.
    explicit CMainFrame(ServiceControl& serviceControl = SystemServiceControl());
    ~CMainFrame() override;

    void ReloadAllPages(int serviceStopped) override;

    // Shows one tab window and hides the other (the selector goes with the configuration).
    void ShowLogs();
    void ShowConfiguration();
    bool ConfigurationShown() const;

    // The page a tab window shows at `index`, for tests.
    CWnd* LogPageWindow(int index) const;
    CAdminFV* ConfigPage(int index) const;
    CASTabWnd& LogsTab() const { return *m_logsTab; }
    CALTabWnd& ConfigTab() const { return *m_configTab; }
    HWND Selector() const { return m_toolBar.Selector(); }
    // The menu resource whose menu is on the bar now.
    UINT CurrentMenuId() const { return m_currentMenuId; }
    // The 500 ms pause after showing "Service : Stopping"; tests set 0.
    void SetStoppingPause(DWORD milliseconds) { m_stoppingPause = milliseconds; }

    bool OnCmdMsg(CommandRequest& request) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    const MessageMap& GetMessageMap() const override;

    // Refills the application selector from the core's list.
    void RefillSelector();
    // Follows a selection in the application selector.
    void ChangeApplication(const std::string& application);
    // Compares the service state with the one last seen and refreshes the log pages on a
    // change to stopped or running.
    void FollowServiceState();

protected:
    void LayoutClientArea(const RECT& area) override;

private:
    int OnCreate(CREATESTRUCTA& create);
    void OnDestroy();
    void OnTimer(UINT_PTR id);
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    BOOL OnEraseBackground(HDC dc);
    LRESULT OnTabChanged(WPARAM wParam, LPARAM lParam);
    void OnSelectorChange();

    bool CreateBars();
    bool CreateTabWindows();
    bool CreatePages();
    void PlaceOnScreen();
    void PlaceOnScreen(SIZE size);
    void FitLargestPage();
    void AnimateIcon();
    void ShowTab(CASTabWnd* tab);
    void SetMenuForPage();
    // The window of the page that owns `id` (the forwarding table), or null.
    CWnd* ForwardTarget(UINT id) const;
    CWnd* CurrentPage() const;

    void OnShowConfiguration();
    void OnShowLogs();
    void OnShowStatistics();
    void OnExchangeMailSetup();
    void OnUpdateShowConfiguration(CCmdUI& ui);
    void OnUpdateShowLogs(CCmdUI& ui);
    void OnUpdateNeedsRunningService(CCmdUI& ui);
    void OnUpdateServicePane(CCmdUI& ui);
    void OnUpdateDatePane(CCmdUI& ui);
    void OnUpdateTimePane(CCmdUI& ui);

    ServiceControl& m_serviceControl;
    SIZE m_defaultSize = {570, 490};
    CStatusBar m_statusBar;
    CStatusBar m_keyStatusBar;
    CAppToolBar m_toolBar;
    CASTabWnd* m_shownTab = nullptr;
    std::unique_ptr<CASTabWnd> m_logsTab;
    std::unique_ptr<CALTabWnd> m_configTab;
    std::unique_ptr<CAlStaticWnd> m_statisticsPage;
    std::unique_ptr<CEventDlg> m_eventPage;
    std::unique_ptr<CActivityLogView> m_activityView;
    std::array<std::unique_ptr<CAdminFV>, kConfigPageCount> m_configPages;
    int m_logPageCount = kLogPageCount;
    int m_configPageCount = kConfigPageCount;
    // The menus of the page kinds, in this order; m_menus holds them loaded.
    static constexpr UINT kMenuIds[] = {IDR_MENU_STATISTICS, IDR_MENU_ACTIVITY, IDR_MENU_EVENTS,
                                        IDR_MENU_BROADCAST,  IDR_MENU_PAGER,    IDR_MENU_SNMP,
                                        IDR_MENU_TICKET,     IDR_MENU_EMAIL,    IDR_MENU_EVENT_LOG};
    std::array<HMENU, std::size(kMenuIds)> m_menus = {};
    UINT m_currentMenuId = 0;
    int m_previousServiceState = 0;
    int m_iconCounter = 0;
    HICON m_animationIcon = nullptr;
    POINT m_lastTopLeft = {};
    std::string m_currentText;
    DWORD m_stoppingPause = 500;
};
