// CConnectServerDlg: the three edits, limited to what the connection can hold, and centring.
#include "connect_server_dlg.h"

#include "data_exchange.h"
#include "startup_ids.h"

CConnectServerDlg::CConnectServerDlg(CWnd* parent) : CDialog(IDD_CONNECT_SERVER, parent)
{
}

BOOL CConnectServerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

void CConnectServerDlg::DoDataExchange(CDataExchange& exchange)
{
    // The edits refuse typing beyond the limits; a longer text put there otherwise is refused
    // on OK with a message, and the dialog stays open on that edit.
    ExchangeText(exchange, IDC_CONNECT_SERVER, m_server, kMaxServer);
    ExchangeText(exchange, IDC_CONNECT_USER, m_user, kMaxUser);
    ExchangeText(exchange, IDC_CONNECT_PASSWORD, m_password, kMaxPassword);
}
