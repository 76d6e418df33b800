// CReviewerWarningDlg: "Warning !", asked before the Reviewer Scan is kept as the scan type.
#pragma once

#include "dialog.h"

class CReviewerWarningDlg : public CDialog {
public:
    explicit CReviewerWarningDlg(CWnd* parent = nullptr);
    const MessageMap& GetMessageMap() const override;

private:
    void OnYes();
    void OnNo();
};

// True when the administrator answers Yes.
bool ConfirmReviewerScan(CWnd* parent);
