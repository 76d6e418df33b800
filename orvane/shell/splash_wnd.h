// CSplashWnd: the modeless picture shown while the main frame is built.
#pragma once

#include "bitmap_button.h"
#include "dialog.h"

class CSplashWnd : public CDialog {
public:
    CSplashWnd();

    // Creates and shows the splash window (dialog 134); false when it could not be made.
    // It lives until DestroyWindow.
    bool Show(CWnd* parent = nullptr);
    BOOL OnInitDialog() override;

    CBitmapButton m_picture;
};
