// CAboutDlg: dialog 100; the picture button is centred across the client area.
#include "about_dlg.h"

#include "startup_ids.h"

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_STARTUP_ABOUT, parent)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_picture.AutoLoad(IDC_SPLASH_BITMAP, this))
        return TRUE;
    SIZE picture = m_picture.GetBitmapSize();
    RECT client = GetClientRect();
    int clientWidth = client.right - client.left;
    if (picture.cx < clientWidth) {
        RECT button = m_picture.GetWindowRect();
        POINT topLeft = {button.left, button.top};
        ScreenToClient(m_hWnd, &topLeft);
        SetWindowPos(m_picture.m_hWnd, nullptr, (clientWidth - picture.cx) / 2, topLeft.y, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}
