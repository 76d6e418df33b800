// ScmServiceControl: status queries through the service control manager.
#include "service_control_scm.h"

namespace {

// The status of the Alert Service under an open manager; the service handle lives for the call.
bool QueryUnder(SC_HANDLE manager, DWORD& state)
{
    SC_HANDLE service = OpenServiceA(manager, ServiceControl::kServiceName, SERVICE_QUERY_STATUS);
    if (!service)
        return false;
    SERVICE_STATUS status = {};
    const bool read = QueryServiceStatus(service, &status) != FALSE;
    CloseServiceHandle(service);
    if (read)
        state = status.dwCurrentState;
    return read;
}

}  // namespace

ScmServiceControl::~ScmServiceControl()
{
    CloseLocal();
}

DWORD ScmServiceControl::QueryLocal()
{
    // A manager that would not open is asked again next time rather than remembered as lost.
    if (!m_localManager)
        m_localManager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    DWORD state = SERVICE_STOPPED;
    if (!m_localManager || !QueryUnder(m_localManager, state))
        return SERVICE_STOPPED;
    return state;
}

bool ScmServiceControl::QueryRemote(const char* computer, DWORD& status)
{
    // A name longer than the program's 63 characters would be cut to another computer's.
    if (!computer || !*computer || lstrlenA(computer) > 63)
        return false;
    // The manager wants the UNC form of the name; the program keeps bare names.
    char machine[2 + 64] = "\\\\";
    lstrcpynA(machine + 2, computer, sizeof machine - 2);
    SC_HANDLE manager = OpenSCManagerA(machine, nullptr, SC_MANAGER_CONNECT);
    if (!manager)
        return false;
    const bool read = QueryUnder(manager, status);
    CloseServiceHandle(manager);
    return read;
}

void ScmServiceControl::CloseLocal()
{
    if (m_localManager) {
        CloseServiceHandle(m_localManager);
        m_localManager = nullptr;
    }
}
