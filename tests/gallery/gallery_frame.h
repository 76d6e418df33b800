// CGalleryFrame: the gallery's main frame with toolbar, selector, status bar and a splitter.
#pragma once

#include "framework.h"
#include "gallery_form.h"

class CGalleryFrame : public CFrameWnd {
public:
    bool Build();
    const MessageMap& GetMessageMap() const override;
    void LayoutClientArea(const RECT& area) override;

private:
    void OnStart();
    void OnStop();
    void OnOptions();
    void OnUpdateStart(CCmdUI& ui);
    void OnUpdateStop(CCmdUI& ui);
    void OnUpdateState(CCmdUI& ui);

    CToolBar m_toolBar;
    CStatusBar m_statusBar;
    CSplitterWnd m_splitter;
    CGalleryForm* m_form = nullptr;
    CEditView* m_log = nullptr;
    bool m_running = false;
};
