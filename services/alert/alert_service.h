// The Windows service "Morwick Alert Notification Server": its state and its controls.
#pragma once

#include <windows.h>

#include <atomic>

class AlertDispatcher;
class AlertPipeServer;

class AlertService {
public:
    // Hands the process to the service control manager; false when not started by it.
    static bool RunAsService();

private:
    static void WINAPI Main(DWORD argc, LPSTR* argv);
    static DWORD WINAPI Control(DWORD control, DWORD type, LPVOID data, LPVOID context);

    void Run();
    DWORD OnControl(DWORD control);
    void Report(DWORD state, DWORD exitCode = NO_ERROR, DWORD waitHintMs = 0);

    SERVICE_STATUS_HANDLE m_statusHandle = nullptr;
    SERVICE_STATUS m_status = {};
    HANDLE m_stopEvent = nullptr;
    AlertPipeServer* m_pipe = nullptr;
    AlertDispatcher* m_dispatcher = nullptr;
    CRITICAL_SECTION m_statusLock;
};
