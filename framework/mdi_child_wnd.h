// CMDIChildWnd: a frame object bound to an MDI child window, including one a host created.
#pragma once

#include "frame_wnd.h"

class CMDIChildWnd : public CFrameWnd {
public:
    // Subclasses an MDI child window made by someone else (the host program): its messages
    // reach this object first and then the host's own procedure. The object lets go when
    // the window is destroyed.
    bool AttachToHost(HWND mdiChild);

    void MDIActivate();
    void MDIRestore();
    void MDIDestroy();
    HWND GetMDIClient() const { return GetParent(); }

    // The child's contents: the pane with AFX_IDW_PANE_FIRST, else its first child window.
    void LayoutClientArea(const RECT& area) override;
    const MessageMap& GetMessageMap() const override;

protected:
    void OnDestroyChild();
};
