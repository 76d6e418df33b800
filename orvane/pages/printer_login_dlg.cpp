// CPrinterLoginDlg: the print server's logon and its printers, through the program's network seam.
#include "printer_login_dlg.h"

#include <cstdio>

#include "combo_box.h"
#include "edit_control.h"
#include "module.h"
#include "network_pages_ids.h"
#include "network_provider.h"
#include "prompter.h"
#include "ticket_record.h"

CPrinterLoginDlg::CPrinterLoginDlg(NetworkProvider& network, const std::string& prompt, const std::string& serverName,
    int kind, NetResourceCopy* server, const std::string& user, const std::string& password,
    const std::string& windowsUser, CWnd* parent)
    : CDialog(IDD_PRINTER_LOGIN, parent), m_network(network), m_prompt(prompt), m_serverName(serverName), m_kind(kind),
      m_server(server), m_windowsUser(windowsUser), m_user(user), m_password(password)
{
}

const MessageMap& CPrinterLoginDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Command(IDC_PRINTER_CONNECT, &CPrinterLoginDlg::OnConnect),
        });
    return map;
}

BOOL CPrinterLoginDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CEdit(GetDlgItem(IDC_PRINTER_USER)).LimitText(static_cast<int>(ticket_record::kUserNameLimit));
    CEdit(GetDlgItem(IDC_PRINTER_PASSWORD)).LimitText(static_cast<int>(ticket_record::kPasswordLimit));
    SetDlgItemText(IDC_PRINTER_PROMPT, m_prompt);
    SetDlgItemText(IDC_PRINTER_SERVER, m_serverName);
    // With no user of its own yet the server is offered the one logged on to Windows.
    SetDlgItemText(IDC_PRINTER_USER, m_user.empty() ? m_windowsUser : m_user);
    SetDlgItemText(IDC_PRINTER_PASSWORD, m_password);
    if (m_server) {
        const int found = ListPrinters();
        if (found == 0) {
            PromptId(IDS_NO_PRINTERS, MB_OK | MB_ICONINFORMATION);
            EndDialog(IDCANCEL);
            return TRUE;
        }
        // A server that refuses to list its printers before a logon waits for Connect.
        if (found < 0) {
            ::SetFocus(GetDlgItem(IDC_PRINTER_PASSWORD));
            return FALSE;
        }
    } else if (!m_user.empty()) {
        OnConnect();
    }
    return TRUE;
}

int CPrinterLoginDlg::ListPrinters()
{
    CComboBox list(GetDlgItem(IDC_PRINTER_LIST));
    list.ResetContent();
    NetworkListing listing(m_network, RESOURCETYPE_PRINT, m_server);
    std::vector<NetResourceCopy> entries;
    int found = 0;
    DWORD result = NO_ERROR;
    while ((result = listing.Next(entries, DWORD(-1))) == NO_ERROR) {
        for (const NetResourceCopy& entry : entries) {
            if (entry.type != RESOURCETYPE_PRINT)
                continue;
            list.AddString(ticket_record::ServerOf(entry.remoteName));
            ++found;
        }
    }
    if (found > 0)
        list.SetCurSel(0);
    return found == 0 && result != ERROR_NO_MORE_ITEMS ? -1 : found;
}

void CPrinterLoginDlg::ReadFields()
{
    m_serverName = GetDlgItemText(IDC_PRINTER_SERVER);
    m_user = GetDlgItemText(IDC_PRINTER_USER);
    m_password = GetDlgItemText(IDC_PRINTER_PASSWORD);
    m_printer = GetDlgItemText(IDC_PRINTER_LIST);
}

void CPrinterLoginDlg::OnConnect()
{
    CComboBox(GetDlgItem(IDC_PRINTER_LIST)).ResetContent();
    if (!Connect(Mode::kList))
        return;
    if (!m_server)
        PromptId(IDS_TICKET_INFO_MISSING, MB_OK | MB_ICONEXCLAMATION);
    else if (ListPrinters() <= 0)
        PromptId(IDS_NO_PRINTERS, MB_OK | MB_ICONINFORMATION);
    Connect(Mode::kDisconnect);
}

void CPrinterLoginDlg::OnOK()
{
    if (Connect(Mode::kVerify))
        EndDialog(IDOK);
}

UINT CPrinterLoginDlg::MessageFor(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_NETWORK_ACCESS_DENIED: return IDS_LOGON_NO_PRIVILEGE;
    case ERROR_BAD_NETPATH:
    case ERROR_NETNAME_DELETED:
    case ERROR_NO_NET_OR_BAD_PATH: return IDS_LOGON_NOT_FOUND;
    case ERROR_NETWORK_BUSY: return IDS_LOGON_NETWORK_BUSY;
    case ERROR_DEV_NOT_EXIST: return IDS_LOGON_DEVICE_MISSING;
    case ERROR_ALREADY_ASSIGNED:
    case ERROR_SESSION_CREDENTIAL_CONFLICT: return 0;
    case ERROR_INVALID_PASSWORD: return IDS_LOGON_BAD_PASSWORD;
    case ERROR_PATH_BUSY:
    case ERROR_BUSY:
    case 1341: return IDS_LOGON_SERVER_BUSY;
    case ERROR_INVALID_COMPUTERNAME: return IDS_LOGON_BAD_SERVER;
    case ERROR_NO_NETWORK: return IDS_LOGON_NETWORK_DOWN;
    case ERROR_CONNECTION_REFUSED: return IDS_LOGON_REFUSED;
    case ERROR_NOT_AUTHENTICATED: return IDS_LOGON_NOT_AUTHORIZED;
    case ERROR_LOGON_FAILURE: return IDS_LOGON_FAILURE;
    case ERROR_ACCOUNT_RESTRICTION: return IDS_LOGON_ACCOUNT_RESTRICTED;
    case ERROR_INVALID_LOGON_HOURS: return IDS_LOGON_HOURS;
    case ERROR_INVALID_WORKSTATION: return IDS_LOGON_WORKSTATION;
    case ERROR_PASSWORD_EXPIRED: return IDS_LOGON_PASSWORD_EXPIRED;
    case ERROR_ACCOUNT_DISABLED: return IDS_LOGON_ACCOUNT_DISABLED;
    case 2202: return IDS_LOGON_BAD_USER;  // NERR_BadUsername
    default: return IDS_LOGON_DENIED;
    }
}

bool CPrinterLoginDlg::Connect(Mode mode)
{
    ReadFields();
    if (m_serverName.empty()) {
        PromptId(IDS_NEED_SERVER, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (mode == Mode::kVerify && m_printer.empty()) {
        PromptId(IDS_NEED_PRINTER, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (m_user.empty()) {
        PromptId(IDS_NEED_USER, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    std::string remote = "\\\\" + m_serverName + "\\";
    if (mode == Mode::kVerify)
        remote += m_printer;
    else
        remote += m_kind == 1 ? "print$" : "SYS";
    if (mode == Mode::kDisconnect)
        return m_network.CancelConnection2(remote.c_str(), 0, TRUE) == NO_ERROR;

    std::string comment = LoadResString(IDS_ALERT_LOGIN);
    NETRESOURCEA resource = {};
    resource.dwScope = RESOURCE_GLOBALNET;
    resource.dwType = mode == Mode::kVerify ? RESOURCETYPE_PRINT : RESOURCETYPE_DISK;
    resource.dwUsage = RESOURCEUSAGE_CONNECTABLE;
    resource.lpRemoteName = remote.data();
    resource.lpComment = comment.data();
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const DWORD result = m_network.AddConnection2(resource, m_password.c_str(), m_user.c_str(), 0);
    SetCursor(previous);
    if (result == NO_ERROR) {
        if (mode == Mode::kVerify)
            m_network.CancelConnection2(remote.c_str(), 0, TRUE);
        return true;
    }
    const UINT message = MessageFor(result);
    if (message == 0)
        return PromptId(IDS_LOGON_ALREADY_CONNECTED, MB_YESNO | MB_ICONQUESTION) == IDYES;
    PromptId(message, MB_OK | MB_ICONEXCLAMATION);
    return false;
}
