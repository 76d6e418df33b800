// ServiceControl: one table row per verb; the question, then each server in turn, each with its
// status line, its access-denied retry and its result.
#include "service_control.h"

#include "module.h"
#include "plugin_protocol.h"
#include "prompter.h"
#include "reachability.h"
#include "service_control_ids.h"
#include "service_core.h"
#include "service_status_messages.h"
#include "wait_cursor.h"
#include "ynnis.h"

struct ServiceControl::Verb {
    UINT askDomain, askSingle, askMember;
    UINT statusSingle, statusMember;
    DWORD (ServiceCore::*call)(const std::string& server);
    unsigned (*message)(std::uint32_t status);
    bool actsWhenActive;  // which members of a domain it reaches
};

namespace {

const ServiceControl::Verb kStart = {IDS_ASK_START_DOMAIN, IDS_ASK_START_SINGLE, IDS_ASK_START_MEMBER,
    IDS_STARTING_SINGLE, IDS_STARTING_MEMBER, &ServiceCore::StartService, &StartStatusMessage, false};
const ServiceControl::Verb kStop = {IDS_ASK_STOP_DOMAIN, IDS_ASK_STOP_SINGLE, IDS_ASK_STOP_MEMBER,
    IDS_STOPPING_SINGLE, IDS_STOPPING_MEMBER, &ServiceCore::StopService, &StopStatusMessage, true};

}  // namespace

ServiceControl::ServiceControl(ServiceCore& core, HWND host) : m_core(core), m_host(host)
{
}

bool ServiceControl::Start(const NodeTarget& target, CWnd* owner)
{
    return Run(kStart, target, owner);
}

bool ServiceControl::Stop(const NodeTarget& target, CWnd* owner)
{
    return Run(kStop, target, owner);
}

bool ServiceControl::Run(const Verb& verb, const NodeTarget& target, CWnd* owner)
{
    const std::string question = TargetText(target.config, verb.askDomain, verb.askSingle, verb.askMember);
    if (Prompt(question, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return false;
    if (!target.IsDomain()) {
        RunOne(verb, target, owner);
        return true;
    }
    // A member already in the state asked for is left alone: it would only answer "already".
    for (const NodeTarget& member : target.members) {
        if (member.object && member.active == verb.actsWhenActive)
            RunOne(verb, member, owner);
    }
    return true;
}

DWORD ServiceControl::Call(const Verb& verb, const NodeTarget& server)
{
    CWaitCursor wait;
    return (m_core.*verb.call)(server.config.server);
}

void ServiceControl::RunOne(const Verb& verb, const NodeTarget& server, CWnd* owner)
{
    ShowStatus(TargetText(server.config, verb.statusSingle, verb.statusSingle, verb.statusMember));
    DWORD status = Call(verb, server);
    if (status == kStatusAccessDenied) {
        // The prompt was cancelled or the system's text shown: nothing more to say.
        if (!CheckReachable(&server, ReachMode::kAfterDenied, owner)) {
            RestoreStatus();
            return;
        }
        status = Call(verb, server);
    }
    // The tree reads the server's state from the library's query: have it read now.
    if (server.object)
        server.object->Refresh();
    RestoreStatus();
    if (const unsigned id = verb.message(status))
        PromptId(id, MB_OK | MB_ICONEXCLAMATION);
}

void ServiceControl::ShowStatus(const std::string& text)
{
    if (m_host)
        ::SendMessageA(m_host, panel_protocol::kStatusText, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ServiceControl::RestoreStatus()
{
    if (m_host)
        ::SendMessageA(m_host, panel_protocol::kStatusText, panel_protocol::kStatusIdle, 0);
}
