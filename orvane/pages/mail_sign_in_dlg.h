// CMailSignInDlg: "Mail Sign In", the mailbox name and password the e-mail page signs in with.
#pragma once

#include <string>

#include "dialog.h"

class CMailSignInDlg : public CDialog {
public:
    explicit CMailSignInDlg(CWnd* parent = nullptr);

    void DoDataExchange(CDataExchange& exchange) override;

    // In: the stored mailbox and password; out: what was entered.
    std::string m_name;
    std::string m_password;
};
