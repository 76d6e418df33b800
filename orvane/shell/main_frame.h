// CMainFrame: the Alert Manager's top-level window with its two tab windows.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app_tool_bar.h"
#include "framework.h"
#include "main_frame_pages.h"
#include "program_values.h"
#include "resource.h"

class CASTabWnd;
class CALTabWnd;
class CAdminFV;

// Shows either the logs tab window (statistics, event viewer, activity log) or the
// configuration tab window (summary and six delivery methods), swaps the menu bar to suit the
// page in front, hands commands on to the pages that handle them and reloads every page after a
// connection or a service command. Which pages there are, and what the frame does with each,
// comes from the page rows.
class CMainFrame : public CFrameWnd, public FrameRequests {
public:
    // Tab positions of the Alert Manager's own pages (the order of its rows).
    enum LogPage { kStatisticsPage, kEventPage, kActivityPage };
    enum ConfigPage { kSummaryPage, kBroadcastPage, kPagerPage, kSnmpPage, kTicketPage, kEmailPage, kEventLogPage };

    // Fills `values`' current server with this computer's name; the frame registers itself
    // there for the pages' requests while its window exists.
    explicit CMainFrame(ProgramValues& values, const std::vector<PageRow>& rows = AlertManagerPages());
    ~CMainFrame() override;

    void ReloadAllPages(int serviceStopped) override;
    void ShowServiceStateNow() override;
    void ShowConfigurationPage(int index) override;

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

    bool OnCmdMsg(CommandRequest& request) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    const MessageMap& GetMessageMap() const override;

    // Refills the application selector from the core's list.
    void RefillSelector();
    // Follows a selection in the application selector.
    void ChangeApplication(const std::string& application);
    // Compares the service state with the one last seen: on a change to stopped or running the
    // log pages are refreshed, and a stopped service sends the frame back to the logs.
    void FollowServiceState();

protected:
    void LayoutClientArea(const RECT& area) override;

private:
    // A page made from its row, at its position in its tab window.
    struct Page {
        const PageRow* row;
        std::unique_ptr<FramePage> page;
    };

    int OnCreate(CREATESTRUCTA& create);
    void OnDestroy();
    void OnTimer(UINT_PTR id);
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    BOOL OnEraseBackground(HDC dc);
    LRESULT OnTabChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    void OnSelectorChange();

    bool CreateBars();
    bool CreateTabWindows();
    bool CreatePages();
    bool CreatePagesOf(PageTab tab, CASTabWnd& window, std::vector<Page>& pages);
    void PlaceOnScreen();
    void PlaceOnScreen(SIZE size);
    void FitLargestPage();
    void AnimateIcon();
    void ShowTab(CASTabWnd* tab);
    void SetMenuForPage();
    HMENU MenuFor(UINT menuId);
    void ReloadPage(Page& page, int serviceStopped);
    void RefreshLogPages(int serviceStopped);
    // The first page other than `except` that has a handler for command `id`, or null.
    CWnd* PageHandling(UINT id, const CWnd* except) const;
    const Page* CurrentPage() const;
    CWnd* CurrentPageWindow() const;

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

    ProgramValues& m_values;
    const std::vector<PageRow>& m_rows;
    SIZE m_defaultSize = {570, 490};
    CStatusBar m_statusBar;
    CStatusBar m_keyStatusBar;
    CAppToolBar m_toolBar;
    CASTabWnd* m_shownTab = nullptr;
    std::unique_ptr<CASTabWnd> m_logsTab;
    std::unique_ptr<CALTabWnd> m_configTab;
    std::vector<Page> m_logPages;
    std::vector<Page> m_configPages;
    // The menus of the pages, loaded once each; the one on the bar is taken off before the
    // window goes, so that each is destroyed exactly once.
    std::map<UINT, HMENU> m_menus;
    UINT m_currentMenuId = 0;
    int m_previousServiceState = 0;
    int m_iconCounter = 0;
    HICON m_animationIcon = nullptr;
    POINT m_lastTopLeft = {};
    std::string m_currentText;
};
