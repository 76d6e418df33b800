// CAppToolBar: the Alert Manager's toolbar with the application selector.
#pragma once

#include "framework.h"

class CAppToolBar : public CToolBar {
public:
    // Buttons for the logs, the configuration, the server choice and the three service
    // commands, then a gap and the drop-down list of applications (id 61244).
    bool CreateFor(CWnd* frame);
    HWND Selector() const { return m_selector; }

private:
    HWND m_selector = nullptr;
};
