// CReviewerWarningDlg: Yes and No end the dialog with their own answers.
#include "reviewer_warning_dlg.h"

#include "quillet_options_ids.h"

CReviewerWarningDlg::CReviewerWarningDlg(CWnd* parent) : CDialog(IDD_QUILLET_REVIEWER_WARNING, parent)
{
}

const MessageMap& CReviewerWarningDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Command(IDYES, &CReviewerWarningDlg::OnYes),
            on::Command(IDNO, &CReviewerWarningDlg::OnNo),
        });
    return map;
}

void CReviewerWarningDlg::OnYes()
{
    EndDialog(IDYES);
}

void CReviewerWarningDlg::OnNo()
{
    EndDialog(IDNO);
}

bool ConfirmReviewerScan(CWnd* parent)
{
    CReviewerWarningDlg dialog(parent);
    return dialog.DoModal() == IDYES;
}
