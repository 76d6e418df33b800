// CEditView: the edit control as a view.
#include "edit_view.h"

#include "edit_control.h"

#include "document.h"

bool CEditView::Create(CWnd* parent, const RECT& rect, UINT id, DWORD style, CDocument* document)
{
    if (document)
        document->AddView(this);
    DWORD editStyle =
        style | WS_CHILD | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_NOHIDESEL;
    if (!CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", editStyle, rect, parent ? parent->m_hWnd : nullptr, id))
        return false;
    SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), false);
    // The edit control's own limit (32K on the old systems) is too small for a log.
    SendMessage(EM_LIMITTEXT, 0x7FFFFFFE);
    OnInitialUpdate();
    return true;
}

void CEditView::SetText(const std::string& text)
{
    SetWindowText(text);
}

std::string CEditView::GetText() const
{
    return GetWindowText();
}

void CEditView::SetReadOnly(bool readOnly)
{
    CEdit(m_hWnd).SetReadOnly(readOnly);
}

void CEditView::LimitText(int characters)
{
    CEdit(m_hWnd).LimitText(characters);
}

void CEditView::AppendText(const std::string& text)
{
    CEdit(m_hWnd).AppendText(text);
}
