// CControlBar: the idle update of a bar's items against its parent frame.
#include "control_bar.h"

#include <commctrl.h>

#include "framework_ids.h"

const MessageMap& CControlBar::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::Message(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI),
        });
    return map;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!IsShown())
        return 0;
    if (CWnd* target = FromHandlePermanent(GetParent()))
        OnUpdateCmdUI(*target, wParam != 0);
    return 0;
}

bool CControlBar::RegisterBarClasses()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    return registered;
}
