// CSplashWnd: dialog 134 holding the splash bitmap button, sized to the picture and centred.
#include "splash_wnd.h"

#include "startup_ids.h"

CSplashWnd::CSplashWnd() : CDialog(IDD_STARTUP_SPLASH)
{
}

bool CSplashWnd::Show(CWnd* parent)
{
    if (!Create(parent))
        return false;
    UpdateWindow();
    return true;
}

BOOL CSplashWnd::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The window takes the picture's size so that no dialog face shows around it.
    if (m_picture.AutoLoad(IDC_SPLASH_BITMAP, this)) {
        SIZE picture = m_picture.GetBitmapSize();
        m_picture.MoveWindow(0, 0, picture.cx, picture.cy, false);
        RECT frame = {0, 0, picture.cx, picture.cy};
        AdjustWindowRectEx(&frame, GetWindowLongA(m_hWnd, GWL_STYLE), FALSE, GetWindowLongA(m_hWnd, GWL_EXSTYLE));
        SetWindowPos(m_hWnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CenterWindow(GetDesktopWindow());
    return TRUE;
}
