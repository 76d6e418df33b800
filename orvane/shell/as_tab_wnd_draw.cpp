// CASTabWnd: fonts, colours and the painting of the tab strip.
#include <cstring>

#include "as_tab_wnd.h"

namespace {

enum Colour { kHighlight, kFace, kShadow, kBlack };

constexpr int kRaise = 2;
constexpr UINT kFaceNameString = 62010;
constexpr int kFaceNameMax = 32;

void Line(HDC dc, HPEN pen, int x1, int y1, int x2, int y2)
{
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
}

}  // namespace

LOGFONTA TabLogFont(bool doubleByte, bool bold, const std::string& faceName)
{
    LOGFONTA font = {};
    font.lfHeight = doubleByte ? -13 : -11;
    // Double-byte glyphs lose their strokes in bold, so that font keeps the normal weight.
    font.lfWeight = bold && !doubleByte ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = doubleByte ? 128 : 0;
    font.lfOutPrecision = doubleByte ? 3 : 1;
    font.lfClipPrecision = 2;
    font.lfQuality = 1;
    font.lfPitchAndFamily = doubleByte ? 49 : 34;
    std::strncpy(font.lfFaceName, faceName.c_str(), LF_FACESIZE - 1);
    return font;
}

void CASTabWnd::MakeFonts()
{
    bool doubleByte = GetSystemMetrics(SM_DBCSENABLED) != 0;
    std::string face = "MS Sans Serif";
    if (doubleByte) {
        std::string fallback = LoadResString(kFaceNameString);
        if (fallback.empty())
            fallback = face;
        char read[kFaceNameMax + 1] = {};
        GetPrivateProfileStringA("Font", "FaceName", fallback.c_str(), read, sizeof read, "vexomar.ini");
        face = read;
    }
    LOGFONTA normal = TabLogFont(doubleByte, false, face);
    LOGFONTA bold = TabLogFont(doubleByte, true, face);
    m_font = CreateFontIndirectA(&normal);
    m_boldFont = CreateFontIndirectA(&bold);

    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = SelectObject(dc, m_font ? m_font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    m_textHeight = metrics.tmHeight;
}

void CASTabWnd::MakeColours()
{
    const COLORREF colours[4] = {
        GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW), RGB(0, 0, 0)};
    for (int i = 0; i < 4; ++i) {
        m_brushes[i] = CreateSolidBrush(colours[i]);
        m_pens[i] = CreatePen(PS_SOLID, 1, colours[i]);
    }
}

void CASTabWnd::FreeColours()
{
    for (int i = 0; i < 4; ++i) {
        if (m_brushes[i])
            DeleteObject(m_brushes[i]);
        if (m_pens[i])
            DeleteObject(m_pens[i]);
        m_brushes[i] = nullptr;
        m_pens[i] = nullptr;
    }
}

void CASTabWnd::OnSysColorChange()
{
    FreeColours();
    MakeColours();
    Invalidate();
}

void CASTabWnd::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    Draw(dc);
    EndPaint(m_hWnd, &paint);
}

LRESULT CASTabWnd::OnPrintClient(WPARAM wParam, LPARAM)
{
    HDC dc = reinterpret_cast<HDC>(wParam);
    RECT client = GetClientRect();
    FillRect(dc, &client, m_brushes[kFace]);
    Draw(dc);
    return 0;
}

void CASTabWnd::Draw(HDC dc)
{
    RECT inner = InnerRect();
    int base = StripBottom() - 1;
    // The line the tabs stand on; the selected tab opens into its page through it.
    Line(dc, m_pens[kHighlight], inner.left, base, inner.right, base);
    for (int index = 0; index < GetTabCount(); ++index) {
        if (index != m_selected)
            DrawTab(dc, index);
    }
    if (m_selected >= 0)
        DrawTab(dc, m_selected);
}

void CASTabWnd::DrawTab(HDC dc, int index)
{
    const Tab& tab = m_tabs[static_cast<size_t>(index)];
    if (tab.width < 1)
        return;
    bool selected = index == m_selected;
    RECT rect = tab.rect;
    if (!selected)
        rect.top += kRaise;
    int l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;

    RECT face = {l + 1, t + 1, r - 1, b + (selected ? 1 : 0)};
    FillRect(dc, &face, m_brushes[kFace]);
    // Left and top edges lit, the corner cut; the right edge in shadow with a black outline.
    Line(dc, m_pens[kHighlight], l, b, l, t + 2);
    Line(dc, m_pens[kHighlight], l, t + 2, l + 2, t);
    Line(dc, m_pens[kHighlight], l + 2, t, r - 1, t);
    Line(dc, m_pens[kShadow], r - 1, t + 1, r - 1, b + 1);
    Line(dc, m_pens[kBlack], r - 1, t, r, t + 1);
    Line(dc, m_pens[kBlack], r, t + 1, r, b + 1);
    if (selected)
        Line(dc, m_pens[kFace], l + 1, b, r - 1, b);

    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    if (!tab.enabled) {
        text = GetSysColor(COLOR_GRAYTEXT);
        if (text == GetSysColor(COLOR_BTNFACE))
            text = GetSysColor(COLOR_BTNSHADOW);
    }
    HGDIOBJ oldFont = SelectObject(dc, selected ? m_boldFont : m_font);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, text);
    RECT caption = {l + 1, t + 1, r, b};
    DrawTextA(dc, tab.caption.c_str(), static_cast<int>(tab.caption.size()), &caption,
        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (selected && m_hasFocus) {
        RECT focus = {l + 2, t + 2, r - 1, b};
        DrawFocusRect(dc, &focus);
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}
