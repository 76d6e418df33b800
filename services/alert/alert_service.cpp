// Service entry, control handling and the truthful status reports of the Alert Service.
#include "alert_service.h"

#include "alert_dispatcher.h"
#include "alert_home.h"
#include "alert_pipe_server.h"
#include "alert_recorder.h"

namespace {

AlertService* g_service = nullptr;

// The journals live in this computer's Alert home; without one, deliveries are not kept
// across a restart.
std::string DeliveryJournalRoot()
{
    DWORD error = 0;
    const std::optional<AlertHome> home = AlertHome::ForServer("", &error);
    return home ? home->home + "\\DELIVERY" : std::string();
}

}  // namespace

bool AlertService::RunAsService()
{
    SERVICE_TABLE_ENTRYA table[] = {{const_cast<char*>(kServiceName), &AlertService::Main}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) != FALSE;
}

void WINAPI AlertService::Main(DWORD, LPSTR*)
{
    AlertService service;
    g_service = &service;
    service.Run();
    g_service = nullptr;
}

DWORD WINAPI AlertService::Control(DWORD control, DWORD, LPVOID, LPVOID context)
{
    return static_cast<AlertService*>(context)->OnControl(control);
}

void AlertService::Report(DWORD state, DWORD exitCode, DWORD waitHintMs)
{
    EnterCriticalSection(&m_statusLock);
    m_status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    m_status.dwCurrentState = state;
    m_status.dwControlsAccepted =
        state == SERVICE_RUNNING || state == SERVICE_PAUSED ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE : 0;
    m_status.dwWin32ExitCode = exitCode;
    m_status.dwWaitHint = waitHintMs;
    m_status.dwCheckPoint = waitHintMs ? m_status.dwCheckPoint + 1 : 0;
    SetServiceStatus(m_statusHandle, &m_status);
    LeaveCriticalSection(&m_statusLock);
}

DWORD AlertService::OnControl(DWORD control)
{
    switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
        // Every delivery method ends within a few seconds of the stop (services/alert/README.md).
        Report(SERVICE_STOP_PENDING, NO_ERROR, 15000);
        SetEvent(m_stopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_PAUSE:
        if (!m_pipe)
            return ERROR_SERVICE_CANNOT_ACCEPT_CTRL;
        m_pipe->SetPaused(true);
        m_dispatcher->SetPaused(true);
        Report(SERVICE_PAUSED);
        return NO_ERROR;
    case SERVICE_CONTROL_CONTINUE:
        if (!m_pipe)
            return ERROR_SERVICE_CANNOT_ACCEPT_CTRL;
        m_dispatcher->SetPaused(false);
        m_pipe->SetPaused(false);
        Report(SERVICE_RUNNING);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE: Report(m_status.dwCurrentState); return NO_ERROR;
    default: return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void AlertService::Run()
{
    InitializeCriticalSection(&m_statusLock);
    m_statusHandle = RegisterServiceCtrlHandlerExA(kServiceName, &AlertService::Control, this);
    if (!m_statusHandle) {
        DeleteCriticalSection(&m_statusLock);
        return;
    }
    Report(SERVICE_START_PENDING, NO_ERROR, 3000);
    m_stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    AlertDispatcher dispatcher(DeliveryJournalRoot());
    AlertRecorder recorder(&dispatcher);
    AlertPipeServer pipe([&recorder](const AlertMessage& message) { return recorder.Record(message); });
    m_dispatcher = &dispatcher;
    m_pipe = &pipe;
    if (!m_stopEvent || !pipe.Start()) {
        Report(SERVICE_STOPPED, GetLastError() ? GetLastError() : ERROR_GEN_FAILURE);
    } else {
        // Only the instance that owns the pipe takes up the journals: another one, refused the
        // pipe, would deliver the same alerts a second time.
        dispatcher.Start();
        Report(SERVICE_RUNNING);
        WaitForSingleObject(m_stopEvent, INFINITE);
        pipe.Stop();
        dispatcher.Stop();
        Report(SERVICE_STOPPED);
    }
    dispatcher.Stop();
    m_pipe = nullptr;
    m_dispatcher = nullptr;
    if (m_stopEvent)
        CloseHandle(m_stopEvent);
    DeleteCriticalSection(&m_statusLock);
}
