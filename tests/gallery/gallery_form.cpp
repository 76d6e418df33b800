// CGalleryForm: fills the custom controls through their private messages.
#include "gallery_form.h"

#include "gallery_resource.h"
#include "qvctrl.h"

CGalleryForm::CGalleryForm() : CFormView(IDD_GALLERY_FORM)
{
}

void CGalleryForm::OnInitialUpdate()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_SPIN_DAYS, QVM_SETRANGE, 0, MAKELPARAM(0, 1000));
    ::SendDlgItemMessageA(m_hWnd, IDC_SPIN_DAYS, QVM_SETVALUE, 7, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_SPIN_MINUTES, QVM_SETRANGE, 0, MAKELPARAM(3, 9999));
    ::SendDlgItemMessageA(m_hWnd, IDC_SPIN_MINUTES, QVM_SETVALUE, 15, 0);
    int date[3] = {2026, 11, 8};
    ::SendDlgItemMessageA(m_hWnd, IDC_DATE, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(date));
    int time[3] = {18, 30, 5};
    ::SendDlgItemMessageA(m_hWnd, IDC_TIME, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(time));
    m_picture.AutoLoad(IDC_PICTURE, this);
    CFormView::OnInitialUpdate();
}

void CGalleryForm::DoDataExchange(CDataExchange& exchange)
{
    ExchangeText(exchange, IDC_NAME, name, 15);
    ExchangeRadio(exchange, IDC_FAST, mode);
    ExchangeCheck(exchange, IDC_BEEP, beep);
}
