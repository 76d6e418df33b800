// CControlBar: a bar docked along the top or bottom of its frame that updates its items at idle time.
#pragma once

#include "wnd.h"

class CControlBar : public CWnd {
public:
    // Height the bar takes in its frame's layout.
    virtual int CalcHeight() const = 0;
    // Runs each item (button, pane) through `target`'s update handlers.
    virtual void OnUpdateCmdUI(CCmdTarget& target, bool disableIfNoHandler) = 0;

    bool IsAlignedTop() const { return m_alignTop; }
    // Whether the bar is shown in its frame (even while the frame itself is hidden).
    bool IsShown() const { return (GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE) != 0; }
    UINT GetBarId() const { return static_cast<UINT>(GetDlgCtrlID()); }

    const MessageMap& GetMessageMap() const override;

protected:
    // Registers the common controls' bar classes (toolbar, status bar, tooltips) once per
    // process, before the first bar is made; false when they cannot be registered.
    static bool RegisterBarClasses();
    // WM_IDLEUPDATECMDUI (from the idle pass, or from a host): the parent is the target.
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM);

    bool m_alignTop = true;
};
