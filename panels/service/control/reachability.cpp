// CheckReachable: connect, then the logon prompt for as long as the credentials are refused.
#include "reachability.h"

#include "login_dlg.h"
#include "node_target.h"
#include "prompter.h"
#include "system_message.h"
#include "wait_cursor.h"
#include "ynnis.h"

namespace {

bool WantsCredentials(DWORD answer)
{
    return answer == kConnectNeedsCredentials || answer == kConnectCredentialsRefused;
}

DWORD Connect(CVexomarServer& object, DWORD& message, DWORD force)
{
    CWaitCursor wait;
    message = 0;
    return object.Connect(&message, force);
}

void TellFailure(DWORD message, bool prompting)
{
    if (prompting && message != 0)
        Prompt(SystemMessageText(message), MB_OK | MB_ICONEXCLAMATION);
}

const char* Text(const char* text)
{
    return text ? text : "";
}

}  // namespace

bool CheckReachable(const NodeTarget* target, ReachMode mode, CWnd* owner, bool prompting)
{
    if (!target || !target->object)
        return false;
    if (mode == ReachMode::kNormal && !target->active)
        return false;
    CVexomarServer& object = *target->object;
    DWORD message = 0;
    // After an access-denied answer the first attempt is known to fail: the prompt comes first.
    DWORD answer = mode == ReachMode::kAfterDenied ? kConnectNeedsCredentials : Connect(object, message, 0);
    // The prompt again after each refusal, with its reason, until the server takes the
    // credentials or the user cancels.
    for (;;) {
        if (answer == kConnectDone)
            return true;
        if (!WantsCredentials(answer)) {
            TellFailure(message, prompting);
            return false;
        }
        CLoginDlg dialog(target->config.server, Text(object.UserName()), Text(object.LogonText()), message, owner);
        if (dialog.DoModal() != IDOK)
            return false;
        object.SetCredentials(dialog.m_user.c_str(), dialog.m_password.c_str());
        // Forced: credentials given now are checked even where this process logged on before.
        answer = Connect(object, message, 1);
    }
}
