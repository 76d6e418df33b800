// CAddExtensionDlg: the edit is limited to three characters and may not be left blank.
#include "add_extension_dlg.h"

#include "prompter.h"
#include "quillet_options_ids.h"

CAddExtensionDlg::CAddExtensionDlg(CWnd* parent) : CDialog(IDD_QUILLET_ADD_EXTENSION, parent)
{
}

BOOL CAddExtensionDlg::OnInitDialog()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_ADD_EXTENSION, EM_LIMITTEXT, 3, 0);
    SetDlgItemText(IDC_ADD_EXTENSION, m_extension);
    return TRUE;
}

void CAddExtensionDlg::OnOK()
{
    std::string text = GetDlgItemText(IDC_ADD_EXTENSION);
    if (text.size() > 3)
        text.resize(3);
    if (text.find_first_not_of(" \t") == std::string::npos) {
        PromptId(IDS_EXTENSION_BLANK, MB_OK | MB_ICONEXCLAMATION);
        ::SetFocus(GetDlgItem(IDC_ADD_EXTENSION));
        return;
    }
    m_extension = text;
    EndDialog(IDOK);
}
