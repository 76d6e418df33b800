// CAlStaticWnd: the "Alert Summary" page, the alert counts and the Alert Service's state.
#pragma once

#include <windows.h>

#include <functional>

#include "admin_fv.h"
#include "program_values.h"

class ServiceControl;

// Every 2 seconds the page shows the critical, warning and informational counts and publishes
// the service's state to the whole program; it also carries out the Start, Pause and Stop
// commands that the frame forwards to it.
class CAlStaticWnd : public CAdminFV {
public:
    static constexpr UINT_PTR kPollTimer = 1;
    static constexpr UINT kPollMilliseconds = 2000;
    // The pause after a start or a stop, before the frame reloads its pages.
    static constexpr DWORD kSettleMilliseconds = 500;
    static constexpr int kStatisticsSize = 256;
    static constexpr UINT kHelpTopic = 3010;

    // The service's status comes from the values' service control.
    explicit CAlStaticWnd(ProgramValues& values);
    ~CAlStaticWnd() override;

    bool Create(CWnd* parent, const RECT& rect, UINT id = AFX_IDW_PANE_FIRST, DWORD style = WS_CHILD | WS_VISIBLE,
        CDocument* document = nullptr) override;

    // 1 once, right after creation: starts the poll. Every load publishes the local service
    // state, makes sure the alert record table exists and shows the counts.
    void Load(int first) override;

    // The name the core's service calls receive: this computer's name when the current server
    // is this computer, else the current server.
    const char* ServiceComputerName() const;

    // How the page waits after a start or a stop; tests record the wait instead of sleeping.
    std::function<void(DWORD milliseconds)> m_wait = [](DWORD milliseconds) { Sleep(milliseconds); };

    const MessageMap& GetMessageMap() const override;

protected:
    void ShowCounts();
    // The service's status on the current server: the remote query for another server, the
    // local one for this computer. False when another server's status cannot be read.
    bool QueryStatus(DWORD& status);
    // Queries the status and keeps it for the update handlers, which never query themselves.
    void RememberStatus();
    void PublishStatus(DWORD status);

    void OnTimer(UINT_PTR id);
    void OnStart();
    void OnPause();
    void OnStop();
    void OnHelp();
    void OnUpdateStart(CCmdUI& ui);
    void OnUpdatePause(CCmdUI& ui);
    void OnUpdateStop(CCmdUI& ui);
    void OnPaint();
    void OnDestroyPage();

private:
    void SettleAndReload(int serviceStopped);

    ProgramValues& m_values;
    ServiceControl& m_control;
    // The last status read, and whether it could be read at all.
    DWORD m_lastStatus = SERVICE_STOPPED;
    bool m_statusKnown = false;
    HBITMAP m_bitmaps[3] = {};
};
