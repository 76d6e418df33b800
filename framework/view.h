// CView: a child window of a frame that shows a document; commands reach it before its frame.
#pragma once

#include "framework_ids.h"
#include "wnd.h"

class CDocument;
class CFrameWnd;

class CView : public CWnd {
public:
    ~CView() override;

    // Creates the view as a child of `parent` (usually its frame) with the document given.
    virtual bool Create(CWnd* parent, const RECT& rect, UINT id = AFX_IDW_PANE_FIRST,
        DWORD style = WS_CHILD | WS_VISIBLE, CDocument* document = nullptr);
    virtual void OnInitialUpdate();
    virtual void OnDraw(HDC dc);

    CDocument* GetDocument() const { return m_pDocument; }
    // The nearest frame window among the view's parents.
    CFrameWnd* GetParentFrame() const;

    // The view's own map, then its document's.
    bool OnCmdMsg(CommandRequest& request) override;
    const MessageMap& GetMessageMap() const override;

    CDocument* m_pDocument = nullptr;
    // A view that a click makes the frame's active view. A view whose frame hands commands on
    // to it itself (pages in a tab window) clears this: a click then leaves the frame with no
    // active view.
    bool m_activatesOnClick = true;

protected:
    void OnPaint();
    LRESULT OnMouseActivate(WPARAM, LPARAM);
    void OnDestroy();
};
