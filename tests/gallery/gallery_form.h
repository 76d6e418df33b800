// CGalleryForm: the form view of the gallery holding each custom control and a bitmap button.
#pragma once

#include "framework.h"

class CGalleryForm : public CFormView {
public:
    CGalleryForm();
    void OnInitialUpdate() override;
    void DoDataExchange(CDataExchange& exchange) override;

    std::string name = "NTSERVER1";
    int mode = 1;
    int beep = 1;

private:
    CBitmapButton m_picture;
};
