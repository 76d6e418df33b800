// CMailSignInDlg: the two edits, each limited to what the mail record holds.
#include "mail_sign_in_dlg.h"

#include "data_exchange.h"
#include "email_ids.h"
#include "mail_record.h"

CMailSignInDlg::CMailSignInDlg(CWnd* parent) : CDialog(IDD_MAIL_SIGN_IN, parent)
{
}

void CMailSignInDlg::DoDataExchange(CDataExchange& exchange)
{
    ExchangeText(exchange, IDC_SIGN_IN_NAME, m_name, static_cast<int>(mail_record::kMailboxLimit));
    ExchangeText(exchange, IDC_SIGN_IN_PASSWORD, m_password, static_cast<int>(mail_record::kPasswordLimit));
}
