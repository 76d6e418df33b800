// CCmdUI: the state of one command's user-interface item (menu item, toolbar button, status pane).
#pragma once

#include <windows.h>

#include <string>

class CCmdTarget;

class CCmdUI {
public:
    CCmdUI() = default;
    CCmdUI(const CCmdUI&) = delete;
    CCmdUI& operator=(const CCmdUI&) = delete;
    virtual ~CCmdUI() = default;

    virtual void Enable(bool on = true);
    virtual void SetCheck(int check = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetText(const std::string& text);
    void SetRadio(bool on = true) { SetCheck(on ? 1 : 0); }

    // Asks `target` (and its routing chain) for the item's state. Without an update handler,
    // an item whose command has no handler either is disabled when `disableIfNoHandler`.
    // True when an update handler answered.
    bool DoUpdate(CCmdTarget& target, bool disableIfNoHandler);

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    HMENU m_pMenu = nullptr;  // the menu of a menu item
    HWND m_pOther = nullptr;  // the control bar of a button or pane

    bool m_enableChanged = false;
    bool m_enabled = true;
};

// Runs every item of a popup menu through its update handlers (on WM_INITMENUPOPUP).
void UpdateMenuCommands(HMENU menu, CCmdTarget& target, bool disableIfNoHandler = true);

// Whether the command would be allowed now: its update handler leaves it enabled and it has a handler.
bool IsCommandEnabled(CCmdTarget& target, UINT id);
