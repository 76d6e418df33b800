// CAboutDlg: the About box with the splash picture.
#pragma once

#include "bitmap_button.h"
#include "dialog.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    CBitmapButton m_picture;
};
