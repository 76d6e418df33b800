// CFindRecordDlg: the text and the direction, and Find Next.
#include "find_record_dlg.h"

#include "quillet_records_ids.h"
#include "scan_records_dlg.h"

CFindRecordDlg::CFindRecordDlg(CScanRecordsDlg& records) : CDialog(IDD_FIND_RECORD), m_records(records)
{
}

CFindRecordDlg::~CFindRecordDlg()
{
    if (m_hWnd)
        DestroyWindow();
}

const MessageMap& CFindRecordDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Command(IDC_FIND_NEXT, &CFindRecordDlg::OnFindNext),
        });
    return map;
}

BOOL CFindRecordDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CheckDlgButton(IDC_FIND_DOWN, BST_CHECKED);
    return TRUE;
}

void CFindRecordDlg::OnFindNext()
{
    m_records.FindNext(GetDlgItemText(IDC_FIND_TEXT), IsDlgButtonChecked(IDC_FIND_UP) != BST_CHECKED);
}

void CFindRecordDlg::OnOK()
{
    OnFindNext();
}

void CFindRecordDlg::OnCancel()
{
    ShowWindow(SW_HIDE);
}
