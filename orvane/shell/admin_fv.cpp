// CAdminFV: page creation, colours and activation.
#include "admin_fv.h"

#include <cstring>

#include "as_tab_wnd.h"

namespace {

bool IsClass(HWND window, const char* name)
{
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpiA(className, name) == 0;
}

}  // namespace

CAdminFV::CAdminFV(UINT templateId)
    : CFormView(templateId), m_faceColour(GetSysColor(COLOR_BTNFACE)), m_faceBrush(CreateSolidBrush(m_faceColour))
{
    // Commands reach a page through the frame, which hands them on to the page it shows.
    m_activatesOnClick = false;
}

CAdminFV::~CAdminFV()
{
    // The window may still use the brush while it goes.
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
    DeleteObject(m_faceBrush);
}

const MessageMap& CAdminFV::GetMessageMap() const
{
    static const MessageMap map(CFormView::GetMessageMap(),
        {
            on::CtlColor(&CAdminFV::OnCtlColor),
        });
    return map;
}

void CAdminFV::Load(int)
{
}

void CAdminFV::ReleaseItems()
{
}

bool CAdminFV::Create(CWnd* parent, const RECT& rect, UINT id, DWORD style, CDocument* document)
{
    if (!CFormView::Create(parent, rect, id, style, document))
        return false;
    SetWindowText("");
    Apply3dLook();
    return true;
}

bool CAdminFV::CreateInTab(CASTabWnd& tab, int index)
{
    return Create(&tab, tab.GetPageRect(), static_cast<UINT>(index), WS_CHILD | WS_VISIBLE);
}

void CAdminFV::Apply3dLook()
{
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, "Edit") && !IsClass(child, "ListBox"))
            continue;
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if (!(style & WS_BORDER))
            continue;
        SetWindowLongA(child, GWL_STYLE, style & ~WS_BORDER);
        SetWindowLongA(child, GWL_EXSTYLE, GetWindowLongA(child, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        SetWindowPos(
            child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

HBRUSH CAdminFV::OnCtlColor(HDC dc, HWND control, UINT)
{
    // A read-only edit box reads as text on the page rather than as a field to type in.
    if (control && IsClass(control, "Edit") && (GetWindowLongA(control, GWL_STYLE) & ES_READONLY)) {
        SetBkMode(dc, TRANSPARENT);
        return m_faceBrush;
    }
    return reinterpret_cast<HBRUSH>(Default());
}
