// CPanelFrameWnd: the panel window inside the host's MDI child: the panel's toolbar above a pane.
#pragma once

#include <vector>

#include "splitter_wnd.h"
#include "tool_bar.h"
#include "wnd.h"
#include "wnd_list.h"

struct PanelToolbar {
    UINT bitmapId;
    std::vector<UINT> buttons;  // ID_SEPARATOR for a gap
};

class CPanelFrameWnd : public CWnd {
public:
    explicit CPanelFrameWnd(PanelToolbar toolbar);

    // Creates the window of the registered panel class as a child of the MDI child.
    bool Create(const char* className, const char* windowName, HWND mdiChild);

    CToolBar& ToolBar() { return m_toolBar; }
    CWndList* Pane() { return m_pane; }

    const MessageMap& GetMessageMap() const override;

protected:
    int OnCreate(CREATESTRUCTA& create);
    void OnSize(UINT type, int width, int height);
    // The host's refresh: the toolbar buttons follow the panel's state.
    LRESULT OnPanelRefresh(WPARAM wParam, LPARAM lParam);
    void OnSetFocus(HWND previous);
    // The toolbar across the top and the splitter below it; the splitter's first column takes
    // 2/5 of the first width the panel has.
    void LayOutBarAndSplitter(CSplitterWnd& splitter, bool& splitPlaced, int width, int height);

private:
    PanelToolbar m_toolbarLayout;
    CToolBar m_toolBar;
    CWndList* m_pane = nullptr;  // deletes itself with its window
};
