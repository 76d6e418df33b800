// CEditView: a view that is a multi-line edit control.
#pragma once

#include <string>

#include "view.h"

class CEditView : public CView {
public:
    bool Create(CWnd* parent, const RECT& rect, UINT id = AFX_IDW_PANE_FIRST, DWORD style = WS_CHILD | WS_VISIBLE,
        CDocument* document = nullptr) override;

    void SetText(const std::string& text);
    std::string GetText() const;
    void SetReadOnly(bool readOnly = true);
    void LimitText(int characters);
    // Appends at the end and shows the end.
    void AppendText(const std::string& text);
};
