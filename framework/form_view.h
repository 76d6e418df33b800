// CFormView: a view made of a child dialog from a template, scrolled when larger than its window.
#pragma once

#include "view.h"

class CFormView : public CView {
public:
    explicit CFormView(UINT templateId);

    bool Create(CWnd* parent, const RECT& rect, UINT id = AFX_IDW_PANE_FIRST, DWORD style = WS_CHILD | WS_VISIBLE,
        CDocument* document = nullptr) override;
    // Fills the controls from the data (UpdateData(false)).
    void OnInitialUpdate() override;

    // The template's size in pixels and the current scroll position.
    SIZE GetTotalSize() const { return m_total; }
    POINT GetScrollPosition() const { return m_position; }
    void ScrollTo(POINT position);

    bool PreTranslateMessage(MSG& message) override;
    const MessageMap& GetMessageMap() const override;

    HINSTANCE m_resource = nullptr;  // the template's module; the resource instance when null

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnHScroll(UINT code, UINT position, HWND bar);
    void OnVScroll(UINT code, UINT position, HWND bar);
    LRESULT OnInitDialogMessage(WPARAM, LPARAM);
    // The idle pass: the controls take their states from the update handlers.
    LRESULT OnIdleUpdateControls(WPARAM, LPARAM);
    void UpdateScrollBars();
    int NewPosition(int bar, UINT code, UINT thumb, int current, int page, int total) const;

    UINT m_templateId;
    SIZE m_total = {};
    POINT m_position = {};
};
