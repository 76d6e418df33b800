// CPropertyPage: the page's dialog and its answers to the sheet's notifications.
#include "property_page.h"

#include "module.h"
#include "property_sheet.h"

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId), m_templateId(templateId)
{
    if (captionId)
        m_caption = LoadResString(captionId);
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG || FromHandlePermanent(window))
        return FALSE;
    auto* sheetPage = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
    auto* page = reinterpret_cast<CPropertyPage*>(sheetPage->lParam);
    return page ? page->BindDialogSafely(window, wParam, lParam) : FALSE;
}

HPROPSHEETPAGE CPropertyPage::CreatePageHandle(CPropertySheet* sheet)
{
    m_sheet = sheet;
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT | (m_hasHelp ? PSP_HASHELP : 0) | (m_caption.empty() ? 0 : PSP_USETITLE);
    page.hInstance = m_resource ? m_resource : ResourceInstance();
    page.pszTemplate = MAKEINTRESOURCEA(m_templateId);
    page.pfnDlgProc = &CPropertyPage::PageProc;
    page.pszTitle = m_caption.c_str();
    page.lParam = reinterpret_cast<LPARAM>(this);
    return CreatePropertySheetPageA(&page);
}

BOOL CPropertyPage::OnSetActive()
{
    return UpdateData(false);
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(true);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnOK()
{
}

void CPropertyPage::OnCancel()
{
}

void CPropertyPage::OnHelp()
{
}

void CPropertyPage::SetModified(bool changed)
{
    if (m_sheet && m_sheet->m_hWnd && m_hWnd)
        ::SendMessageA(m_sheet->m_hWnd, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

bool CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header || header->hwndFrom != GetParent())
        return CDialog::OnNotify(wParam, lParam, result);
    switch (header->code) {
    case PSN_SETACTIVE: result = OnSetActive() ? 0 : -1; break;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;  // TRUE keeps the page
        break;
    case PSN_APPLY:
        if (OnApply()) {
            if (m_sheet)
                m_sheet->NoteApplied();
            result = PSNRET_NOERROR;
        } else {
            result = PSNRET_INVALID_NOCHANGEPAGE;
        }
        break;
    case PSN_RESET:
        if (m_sheet)
            m_sheet->NoteCancelled();
        OnCancel();
        result = 0;
        break;
    case PSN_HELP:
        OnHelp();
        result = 0;
        break;
    default: return CDialog::OnNotify(wParam, lParam, result);
    }
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return true;
}
