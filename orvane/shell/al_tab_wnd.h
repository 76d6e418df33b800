// CALTabWnd: the configuration tab window, which owns the current application's settings cache.
#pragma once

#include <memory>
#include <string>

#include "alert_settings.h"
#include "as_tab_wnd.h"

class CALTabWnd : public CASTabWnd {
public:
    // The cache starts with the application "ALERT", read in full from the core. `server`
    // points at the program's current server name and is read afresh at every call.
    CALTabWnd(AlertCore& core, const char* server);
    ~CALTabWnd() override;

    // Replaces the cache by one for `application` ("DEFAULT" stands for "ALERT"). The new
    // cache's live blocks start from the ALERT application's settings, as every page then
    // asks for its own method with the chosen name. The result of that read: 1, or 0.
    int ChangeApplication(const std::string& application);

    CAlertSettings& Settings() { return *m_settings; }
    // The configuration tab window that holds `page`, or null.
    static CALTabWnd* FromPage(HWND page);

private:
    AlertCore& m_core;
    const char* m_server;
    std::unique_ptr<CAlertSettings> m_settings;
};
