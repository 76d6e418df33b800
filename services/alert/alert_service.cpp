// Service entry, control handling and the truthful status reports of the Alert Service.
#include "alert_service.h"

#include "alert_home.h"
#include "alert_pipe_server.h"
#include "alert_recorder.h"

namespace {

AlertService* g_service = nullptr;

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
    EnterCriticalSection(&statusLock_);
    status_.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status_.dwCurrentState = state;
    status_.dwControlsAccepted =
        state == SERVICE_RUNNING || state == SERVICE_PAUSED ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE : 0;
    status_.dwWin32ExitCode = exitCode;
    status_.dwWaitHint = waitHintMs;
    status_.dwCheckPoint = waitHintMs ? status_.dwCheckPoint + 1 : 0;
    SetServiceStatus(statusHandle_, &status_);
    LeaveCriticalSection(&statusLock_);
}

DWORD AlertService::OnControl(DWORD control)
{
    switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
        Report(SERVICE_STOP_PENDING, NO_ERROR, 5000);
        SetEvent(stopEvent_);
        return NO_ERROR;
    case SERVICE_CONTROL_PAUSE:
        if (!pipe_)
            return ERROR_SERVICE_CANNOT_ACCEPT_CTRL;
        pipe_->SetPaused(true);
        Report(SERVICE_PAUSED);
        return NO_ERROR;
    case SERVICE_CONTROL_CONTINUE:
        if (!pipe_)
            return ERROR_SERVICE_CANNOT_ACCEPT_CTRL;
        pipe_->SetPaused(false);
        Report(SERVICE_RUNNING);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        Report(status_.dwCurrentState);
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void AlertService::Run()
{
    InitializeCriticalSection(&statusLock_);
    statusHandle_ = RegisterServiceCtrlHandlerExA(kServiceName, &AlertService::Control, this);
    if (!statusHandle_) {
        DeleteCriticalSection(&statusLock_);
        return;
    }
    Report(SERVICE_START_PENDING, NO_ERROR, 3000);
    stopEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    AlertRecorder recorder;
    AlertPipeServer pipe([&recorder](const AlertMessage& message) { return recorder.Record(message); });
    pipe_ = &pipe;
    if (!stopEvent_ || !pipe.Start()) {
        Report(SERVICE_STOPPED, GetLastError() ? GetLastError() : ERROR_GEN_FAILURE);
    } else {
        Report(SERVICE_RUNNING);
        WaitForSingleObject(stopEvent_, INFINITE);
        pipe.Stop();
        Report(SERVICE_STOPPED);
    }
    pipe_ = nullptr;
    if (stopEvent_)
        CloseHandle(stopEvent_);
    DeleteCriticalSection(&statusLock_);
}
