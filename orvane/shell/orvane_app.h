// COrvaneApp: the Alert Manager's application object.
#pragma once

#include <windows.h>

#include <memory>

#include "framework.h"
#include "halden_alert_core.h"
#include "instance_guard.h"
#include "program_values.h"

class CMainFrame;

// Refuses a second copy, loads the custom controls, shows the splash window while the main
// frame is built, and owns the server connection and About commands.
class COrvaneApp : public CWinApp {
public:
    // Reads the Alert home directory before any window exists and installs the alert core.
    COrvaneApp();
    ~COrvaneApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    const MessageMap& GetMessageMap() const override;

    const char* HomeDirectory() const { return m_homeDirectory; }

private:
    void OnSelectServer();
    void OnAbout();

    InstanceGuard m_instance;
    char m_homeDirectory[256] = {};
    std::unique_ptr<CMainFrame> m_mainFrame;
    HICON m_programIcon = nullptr;
    HaldenAlertCore m_core;
    // The values every window of the program gets from the one that creates it.
    ProgramValues m_values;
};
