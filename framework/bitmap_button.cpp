// CBitmapButton: loading the bitmap set and drawing the state the button is in.
#include "bitmap_button.h"

#include "module.h"

namespace {

HBITMAP LoadNamed(const std::string& name)
{
    return static_cast<HBITMAP>(LoadImageA(ResourceInstance(), name.c_str(), IMAGE_BITMAP, 0, 0, 0));
}

}  // namespace

CBitmapButton::~CBitmapButton()
{
    Free();
}

void CBitmapButton::Free()
{
    for (HBITMAP* bitmap : {&m_up, &m_down, &m_focus, &m_disabled}) {
        if (*bitmap)
            DeleteObject(*bitmap);
        *bitmap = nullptr;
    }
}

bool CBitmapButton::LoadBitmaps(const std::string& name)
{
    Free();
    m_up = LoadNamed(name + "U");
    if (!m_up)
        return false;
    m_down = LoadNamed(name + "D");
    m_focus = LoadNamed(name + "F");
    m_disabled = LoadNamed(name + "X");
    if (m_hWnd)
        Invalidate();
    return true;
}

bool CBitmapButton::AutoLoad(UINT id, CWnd* parent)
{
    if (!SubclassDlgItem(id, parent))
        return false;
    if (!LoadBitmaps(GetWindowText()))
        return false;
    SizeToContent();
    return true;
}

SIZE CBitmapButton::GetBitmapSize() const
{
    BITMAP info = {};
    if (m_up)
        GetObjectA(m_up, sizeof info, &info);
    return SIZE {info.bmWidth, info.bmHeight};
}

void CBitmapButton::SizeToContent()
{
    SIZE size = GetBitmapSize();
    if (m_hWnd && size.cx > 0)
        SetWindowPos(m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CBitmapButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM)
        return false;
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void CBitmapButton::Draw(const DRAWITEMSTRUCT& item)
{
    HBITMAP shown = m_up;
    if ((item.itemState & ODS_DISABLED) && m_disabled)
        shown = m_disabled;
    else if ((item.itemState & ODS_SELECTED) && m_down)
        shown = m_down;
    else if ((item.itemState & ODS_FOCUS) && m_focus)
        shown = m_focus;
    if (!shown)
        return;
    HDC memory = CreateCompatibleDC(item.hDC);
    HGDIOBJ old = SelectObject(memory, shown);
    BITMAP info = {};
    GetObjectA(shown, sizeof info, &info);
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}
