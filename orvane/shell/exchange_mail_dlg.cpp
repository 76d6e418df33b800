// CExchangeMailDlg: the mail-transport record read from and stored to the alert core.
#include "exchange_mail_dlg.h"

#include <cstring>

#include "data_exchange.h"
#include "mail_system.h"
#include "program_values.h"
#include "prompter.h"
#include "startup_ids.h"

namespace {

// A field as the core left it; a name without its terminator ends at the field's end.
template <std::size_t N> std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

// The whole field is written, so that no tail of a longer earlier name stays behind it.
template <std::size_t N> void SetField(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

}  // namespace

CExchangeMailDlg::CExchangeMailDlg(const ProgramValues& values, CWnd* parent)
    : CDialog(IDD_EXCHANGE_MAIL, parent), m_values(values)
{
}

BOOL CExchangeMailDlg::OnInitDialog()
{
    std::memset(&m_record, 0, sizeof m_record);
    // The core's result is not examined: a failed read leaves the record zeroed.
    m_values.Core().AlertGetMailCfg(m_values.serverName, reinterpret_cast<BYTE*>(&m_record));
    m_server = FieldText(m_record.exchangeServer);
    m_mailbox = FieldText(m_record.mailbox);
    return CDialog::OnInitDialog();
}

void CExchangeMailDlg::DoDataExchange(CDataExchange& exchange)
{
    ExchangeText(exchange, IDC_EXCHANGE_SERVER, m_server, kMaxServer);
    ExchangeText(exchange, IDC_EXCHANGE_MAILBOX, m_mailbox, kMaxMailbox);
}

void CExchangeMailDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    SetField(m_record.exchangeServer, m_server);
    SetField(m_record.mailbox, m_mailbox);
    m_record.stored = 1;
    m_values.Core().AlertSetMailCfg(m_values.serverName, reinterpret_cast<const BYTE*>(&m_record));
    EndDialog(IDOK);
}

void RunExchangeMailSetup(CWnd* owner, const ProgramValues& values, MailSystem& mail)
{
    if (!mail.MailSystemPresent()) {
        PromptId(IDS_EXCHANGE_CLIENT_MISSING, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CExchangeMailDlg dialog(values, owner);
    dialog.DoModal();
}

void RunExchangeMailSetup(CWnd* owner, const ProgramValues& values)
{
    RunExchangeMailSetup(owner, values, SystemMail());
}
