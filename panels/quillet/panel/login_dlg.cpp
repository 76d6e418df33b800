// CLoginDlg: two edits, no checks: an empty name is the current user.
#include "login_dlg.h"

#include "data_exchange.h"
#include "quillet_panel_ids.h"

CLoginDlg::CLoginDlg(CWnd* parent) : CDialog(IDD_QUILLET_LOGIN, parent)
{
}

void CLoginDlg::DoDataExchange(CDataExchange& exchange)
{
    ExchangeText(exchange, IDC_LOGIN_NAME, m_name, kMaxName);
    ExchangeText(exchange, IDC_LOGIN_PASSWORD, m_password, kMaxPassword);
}
