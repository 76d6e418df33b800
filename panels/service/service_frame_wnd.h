// CServiceFrameWnd: the Service Manager panel in the host's MDI child: toolbar, splitter, tree and details.
#pragma once

#include "panel_frame_wnd.h"
#include "server_row.h"
#include "server_tree_pane.h"
#include "service_core.h"
#include "service_manager_panel_wnd.h"
#include "splitter_wnd.h"

class CServiceFrameWnd : public CPanelFrameWnd {
public:
    // The rest of the start-up, once the frame has been created.
    static constexpr UINT kStartUpMessage = 0x0700;
    // The host's timer message arrives with this identifier.
    static constexpr UINT_PTR kHostTimer = 1;
    static const UINT kToolbarButtons[7];

    // `host` is the panel host's frame (its status line); none in a test without one.
    explicit CServiceFrameWnd(ServiceCore& core, HWND host = nullptr);
    ~CServiceFrameWnd() override;

    CListWnd* TreePane() { return m_treePane; }
    CServiceManagerPanelWnd* DetailsPane() { return m_details; }
    CSplitterWnd& Splitter() { return m_splitter; }
    HFONT PanelFont() const { return m_font; }
    const ServerStateTexts& StateTexts() const { return m_texts; }

    bool OnCmdMsg(CommandRequest& request) override;
    // Ctrl+R inside the panel refreshes the browser.
    bool PreTranslateMessage(MSG& message) override;
    const MessageMap& GetMessageMap() const override;

protected:
    int OnCreate(CREATESTRUCTA& create);
    void OnSize(UINT type, int width, int height);
    void OnSetFocus(HWND previous);
    void OnTimer(UINT_PTR id);
    LRESULT OnStartUp(WPARAM, LPARAM);

private:
    void LoadStateTexts();
    int AverageCharWidth() const;

    ServiceCore& m_core;
    HWND m_host;
    HFONT m_font = nullptr;
    ServerStateTexts m_texts;
    CSplitterWnd m_splitter;
    CListWnd* m_treePane = nullptr;  // both panes delete themselves with their windows
    CServiceManagerPanelWnd* m_details = nullptr;
    bool m_splitPlaced = false;
};
