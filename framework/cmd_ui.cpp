// Command states for menu items and the update pass over a popup menu.
#include "cmd_ui.h"

#include "cmd_target.h"

void CCmdUI::Enable(bool on)
{
    m_enableChanged = true;
    m_enabled = on;
    if (m_pMenu)
        EnableMenuItem(m_pMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
}

void CCmdUI::SetCheck(int check)
{
    if (m_pMenu)
        CheckMenuItem(m_pMenu, m_nIndex, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetText(const std::string& text)
{
    if (!m_pMenu)
        return;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    SetMenuItemInfoA(m_pMenu, m_nIndex, TRUE, &info);
}

bool CCmdUI::DoUpdate(CCmdTarget& target, bool disableIfNoHandler)
{
    m_enableChanged = false;
    CommandRequest update;
    update.id = m_nID;
    update.code = kCodeUpdateCommandUI;
    update.ui = this;
    if (target.OnCmdMsg(update))
        return true;
    if (disableIfNoHandler && !m_enableChanged) {
        CommandRequest probe;
        probe.id = m_nID;
        probe.probe = true;
        Enable(target.OnCmdMsg(probe));
    }
    return false;
}

void UpdateMenuCommands(HMENU menu, CCmdTarget& target, bool disableIfNoHandler)
{
    int count = GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index) {
        UINT id = GetMenuItemID(menu, index);
        // Separators (0) and submenus (-1) have no command of their own.
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;
        CCmdUI ui;
        ui.m_nID = id;
        ui.m_nIndex = static_cast<UINT>(index);
        ui.m_pMenu = menu;
        ui.DoUpdate(target, disableIfNoHandler);
    }
}

bool IsCommandEnabled(CCmdTarget& target, UINT id)
{
    CCmdUI state;
    state.m_nID = id;
    state.DoUpdate(target, true);
    return state.m_enabled;
}
