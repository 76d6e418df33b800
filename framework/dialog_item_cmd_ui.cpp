// Command states of dialog controls and the idle update that sets them.
#include "dialog_item_cmd_ui.h"

#include "cmd_target.h"
#include "edit_control.h"
#include "framework_ids.h"

namespace {

bool IsCheckable(HWND control)
{
    const LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
    if (!(code & DLGC_BUTTON))
        return false;
    const LONG kind = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE ||
        kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

BOOL CALLBACK SendIdleUpdate(HWND child, LPARAM)
{
    SendMessageA(child, WM_IDLEUPDATECMDUI, TRUE, 0);
    return TRUE;
}

}  // namespace

CDialogItemCmdUI::CDialogItemCmdUI(HWND control) : m_control(control)
{
}

void CDialogItemCmdUI::Enable(bool on)
{
    m_enableChanged = true;
    m_enabled = on;
    if (!m_control || (IsWindowEnabled(m_control) != FALSE) == on)
        return;
    // A control that goes grey while it has the focus would leave the keyboard nowhere.
    if (!on && GetFocus() == m_control) {
        HWND dialog = GetParent(m_control);
        if (HWND next = GetNextDlgTabItem(dialog, m_control, FALSE); next && next != m_control)
            SetFocus(next);
    }
    EnableWindow(m_control, on);
}

void CDialogItemCmdUI::SetCheck(int check)
{
    if (m_control && IsCheckable(m_control) && SendMessageA(m_control, BM_GETCHECK, 0, 0) != check)
        SendMessageA(m_control, BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

void CDialogItemCmdUI::SetText(const std::string& text)
{
    if (!m_control)
        return;
    // Setting the same text again would flicker and move an edit's caret.
    if (text != WindowText(m_control))
        SetWindowTextA(m_control, text.c_str());
}

void UpdateDialogControls(HWND window, CCmdTarget& target)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        // Labels carry -1 (or 0); they have no command.
        if (id <= 0 || id == 0xFFFF)
            continue;
        CDialogItemCmdUI ui(child);
        ui.m_nID = static_cast<UINT>(id);
        ui.DoUpdate(target, false);
    }
}

void RunIdleUpdate(HWND window)
{
    if (!window || !IsWindow(window))
        return;
    SendMessageA(window, WM_IDLEUPDATECMDUI, TRUE, 0);
    EnumChildWindows(window, &SendIdleUpdate, 0);
}
