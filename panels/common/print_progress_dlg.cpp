// The "Sending To Printer" dialog.
#include "print_progress_dlg.h"

#include "prntbuf_ids.h"

CPrintProgressDlg::CPrintProgressDlg(CWnd* parent, bool& cancel)
    : CDialog(IDD_SENDING_TO_PRINTER, parent), m_cancel(cancel)
{
}

void CPrintProgressDlg::OnCancel()
{
    // The printout notices the flag before its next line; the dialog goes at once.
    m_cancel = true;
    m_cancelled = true;
    DestroyWindow();
}
