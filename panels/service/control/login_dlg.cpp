// CLoginDlg: server, logon text and the last failure shown; user name and password read back.
#include "login_dlg.h"

#include "data_exchange.h"
#include "module.h"
#include "panel_plugin.h"
#include "prompter.h"
#include "service_control_ids.h"
#include "system_message.h"

CLoginDlg::CLoginDlg(std::string server, std::string user, std::string logonText, DWORD message, CWnd* parent)
    : CDialog(IDD_LOGIN, parent), m_server(std::move(server)), m_user(std::move(user)),
      m_logonText(std::move(logonText))
{
    if (message != 0)
        m_error = FormatResString(IDS_LOGIN_FAILED, SystemMessageText(message).c_str());
}

const MessageMap& CLoginDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Command(IDHELP, &CLoginDlg::OnHelp),
        });
    return map;
}

BOOL CLoginDlg::OnInitDialog()
{
    SetDlgItemText(IDC_LOGIN_ERROR, m_error);
    SetDlgItemText(IDC_LOGIN_SERVER, m_server);
    SetDlgItemText(IDC_LOGIN_TEXT, m_logonText);
    CDialog::OnInitDialog();
    // The name is usually right already: the password is what is typed.
    HWND focus = GetDlgItem(m_user.empty() ? IDC_LOGIN_USER : IDC_LOGIN_PASSWORD);
    ::SetFocus(focus);
    return FALSE;
}

void CLoginDlg::DoDataExchange(CDataExchange& exchange)
{
    ExchangeText(exchange, IDC_LOGIN_USER, m_user, kMaxUser);
    ExchangeText(exchange, IDC_LOGIN_PASSWORD, m_password, kMaxPassword);
}

void CLoginDlg::OnHelp()
{
    PromptId(IDS_HELP_UNAVAILABLE, MB_ICONINFORMATION);
}
