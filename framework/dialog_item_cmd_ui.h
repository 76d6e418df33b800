// CDialogItemCmdUI: the command state of a control inside a dialog, form view or property page.
#pragma once

#include <windows.h>

#include "cmd_ui.h"

// Enable, check and text act on the control itself, so that a page's buttons take their
// states from update handlers in the idle pass, as menu items and toolbar buttons do.
class CDialogItemCmdUI : public CCmdUI {
public:
    explicit CDialogItemCmdUI(HWND control);

    void Enable(bool on = true) override;
    void SetCheck(int check = 1) override;
    void SetText(const std::string& text) override;

private:
    HWND m_control;
};

// Offers every child control of `window` that has an id to the update handlers of `target`.
// Only controls whose handler answers change: controls without one keep the state they have.
void UpdateDialogControls(HWND window, CCmdTarget& target);

// One idle pass over `window` and every window below it, as the message loop runs it when its
// queue empties; tests call it instead of waiting for the loop.
void RunIdleUpdate(HWND window);
