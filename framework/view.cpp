// CView: painting through OnDraw, activation by the mouse, routing to the document.
#include "view.h"

#include "document.h"
#include "frame_wnd.h"

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

const MessageMap& CView::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::Paint(&CView::OnPaint),
            on::Message(WM_MOUSEACTIVATE, &CView::OnMouseActivate),
            on::Destroy(&CView::OnDestroy),
        });
    return map;
}

bool CView::Create(CWnd* parent, const RECT& rect, UINT id, DWORD style, CDocument* document)
{
    if (document)
        document->AddView(this);
    return CreateEx(WS_EX_CLIENTEDGE, nullptr, "", style | WS_CHILD, rect, parent ? parent->m_hWnd : nullptr, id);
}

void CView::OnInitialUpdate()
{
    Invalidate();
}

void CView::OnDraw(HDC)
{
}

void CView::OnPaint()
{
    // A view that is a system control (an edit view) paints itself.
    if (m_superProc) {
        Default();
        return;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    OnDraw(dc);
    EndPaint(m_hWnd, &paint);
}

LRESULT CView::OnMouseActivate(WPARAM, LPARAM)
{
    LRESULT result = Default();
    if (CFrameWnd* frame = GetParentFrame())
        frame->SetActiveView(m_activatesOnClick ? this : nullptr);
    return result;
}

void CView::OnDestroy()
{
    if (CFrameWnd* frame = GetParentFrame()) {
        if (frame->GetActiveView() == this)
            frame->SetActiveView(nullptr);
    }
    Default();
}

CFrameWnd* CView::GetParentFrame() const
{
    for (HWND window = ::GetParent(m_hWnd); window; window = ::GetParent(window)) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(FromHandlePermanent(window)))
            return frame;
    }
    return nullptr;
}

bool CView::OnCmdMsg(CommandRequest& request)
{
    if (CWnd::OnCmdMsg(request))
        return true;
    return m_pDocument && m_pDocument->OnCmdMsg(request);
}
