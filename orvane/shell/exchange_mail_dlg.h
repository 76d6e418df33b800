// CExchangeMailDlg: "Exchange Mail Configuration", the Exchange server and mailbox Alert mails through.
#pragma once

#include <string>

#include "dialog.h"
#include "mail_transport_record.h"

class CWnd;
class MailSystem;
struct ProgramValues;

class CExchangeMailDlg : public CDialog {
public:
    static constexpr int kMaxServer = 63;
    static constexpr int kMaxMailbox = 255;

    // The record is the one of `values`' current server.
    explicit CExchangeMailDlg(const ProgramValues& values, CWnd* parent = nullptr);

    // Reads the record of the current server and fills the edits.
    BOOL OnInitDialog() override;
    // Stores the edits in the record with its flag set, for the current server.
    void OnOK() override;
    void DoDataExchange(CDataExchange& exchange) override;

    MailTransportRecord m_record = {};
    std::string m_server;
    std::string m_mailbox;

private:
    const ProgramValues& m_values;
};

// "Exchange Mail Setup": the mail client's presence check, then the dialog.
void RunExchangeMailSetup(CWnd* owner, const ProgramValues& values, MailSystem& mail);
void RunExchangeMailSetup(CWnd* owner, const ProgramValues& values);
