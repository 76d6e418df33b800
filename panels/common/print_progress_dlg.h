// CPrintProgressDlg: the modeless "Sending To Printer" dialog whose Cancel stops a printout.
#pragma once

#include "dialog.h"

class CPrintProgressDlg : public CDialog {
public:
    // `cancel` is set when the user presses Cancel; it must outlive the dialog.
    CPrintProgressDlg(CWnd* parent, bool& cancel);

    void OnCancel() override;
    bool Cancelled() const { return m_cancelled; }

private:
    bool& m_cancel;
    bool m_cancelled = false;
};
