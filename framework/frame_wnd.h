// CFrameWnd: a frame with a menu, control bars, an active view and the command chain.
#pragma once

#include <string>
#include <vector>

#include "wnd.h"

class CControlBar;
class CView;

class CFrameWnd : public CWnd {
public:
    static const RECT rectDefault;

    ~CFrameWnd() override;

    // Creates the frame in the framework's frame class ("VexFrame": redraw on resize, double
    // clicks, arrow cursor) unless a class is given. `menuId` 0 means no menu.
    bool Create(const char* className, const char* title, DWORD style = WS_OVERLAPPEDWINDOW,
        const RECT& rect = rectDefault, CWnd* parent = nullptr, UINT menuId = 0, DWORD exStyle = 0);

    // Puts `menu` on the menu bar and answers the one it replaces (neither is destroyed).
    HMENU SwapMenu(HMENU menu);
    bool LoadAccelTable(UINT id);
    HACCEL GetAccelTable() const { return m_accelerators; }

    // Control bars take their place along the top and bottom; the rest goes to the view.
    void AddControlBar(CControlBar* bar);
    void RemoveControlBar(CControlBar* bar);
    CControlBar* GetControlBar(UINT id) const;
    void ShowControlBar(CControlBar* bar, bool show);
    // Places the visible bars and answers the client area left for the view.
    RECT RepositionBars();
    virtual void RecalcLayout();
    // Sizes the view to the area left by the bars: the child with id AFX_IDW_PANE_FIRST,
    // else the active view.
    virtual void LayoutClientArea(const RECT& area);

    CView* GetActiveView() const { return m_pActiveView; }
    void SetActiveView(CView* view);

    // The status bar's message pane: a text, or the status part of a command's prompt string.
    void SetMessageText(const std::string& text);
    void SetMessageText(UINT id);
    // The idle update of this frame's control bars, run now.
    void UpdateCommandStates();
    // Whether the menu of the frame is disabled-with-no-handler aware (the default).
    bool m_bAutoMenuEnable = true;

    // Commands go to the active view (and its document) first, then to the frame, then to
    // the application.
    bool OnCmdMsg(CommandRequest& request) override;
    bool PreTranslateMessage(MSG& message) override;
    const MessageMap& GetMessageMap() const override;

protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM lParam);
    void OnSetFocus(HWND old);
    void OnDestroy();
    void OnBarCheck(UINT id);
    void OnUpdateBarCheck(CCmdUI& ui);
    void OnUpdateKeyIndicator(CCmdUI& ui);

    std::vector<CControlBar*> m_bars;
    CView* m_pActiveView = nullptr;
    HACCEL m_accelerators = nullptr;
    HMENU m_createdMenu = nullptr;
};
