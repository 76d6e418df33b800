// The tab window's painting, read back pixel by pixel.
#include "tab_fixture.h"

namespace {

// The tab window's client area as drawn into a 32-bit bitmap.
class Picture {
public:
    explicit Picture(CASTabWnd& tab)
    {
        RECT client = tab.GetClientRect();
        m_width = client.right;
        m_height = client.bottom;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        tab.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT);
        GdiFlush();
    }
    ~Picture()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }

    COLORREF At(int x, int y) const
    {
        DWORD pixel = m_bits[y * m_width + x];
        return RGB((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
    }
    // How many pixels of `colour` lie inside `rect`.
    int Count(const RECT& rect, COLORREF colour) const
    {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                count += At(x, y) == colour;
        return count;
    }

private:
    int m_width = 0;
    int m_height = 0;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    DWORD* m_bits = nullptr;
};

const COLORREF kHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
const COLORREF kFace = GetSysColor(COLOR_BTNFACE);
const COLORREF kShadow = GetSysColor(COLOR_BTNSHADOW);
const COLORREF kText = GetSysColor(COLOR_BTNTEXT);
const COLORREF kGray = GetSysColor(COLOR_GRAYTEXT);

int MidX(const RECT& rect)
{
    return (rect.left + rect.right) / 2;
}

}  // namespace

class TabPaintTest : public TabWindowTest {
protected:
    void SetUp() override
    {
        TabWindowTest::SetUp();
        // The checks tell colours apart, so the scheme must have them distinct.
        ASSERT_NE(kHighlight, kFace);
        ASSERT_NE(kShadow, kFace);
        ASSERT_NE(kText, kGray);
        ASSERT_NE(kGray, kFace);
        tab.Select(1);
    }
};

TEST_F(TabPaintTest, TheSelectedTabStandsTwoPixelsHigherThanTheOthers)
{
    Picture picture(tab);
    RECT selected = tab.GetTabRect(1);
    RECT other = tab.GetTabRect(0);
    EXPECT_EQ(kHighlight, picture.At(MidX(selected), selected.top));
    EXPECT_EQ(kFace, picture.At(MidX(other), other.top));
    EXPECT_EQ(kFace, picture.At(MidX(other), other.top + 1));
    EXPECT_EQ(kHighlight, picture.At(MidX(other), other.top + 2));
    // Lit left edge, shadow and black on the right.
    EXPECT_EQ(kHighlight, picture.At(other.left, other.top + 8));
    EXPECT_EQ(kShadow, picture.At(other.right - 2, other.top + 8));
    EXPECT_EQ(RGB(0, 0, 0), picture.At(other.right - 1, other.top + 8));
}

TEST_F(TabPaintTest, TheSelectedTabOpensIntoItsPageThroughTheBaseLine)
{
    Picture picture(tab);
    RECT selected = tab.GetTabRect(1);
    int base = selected.bottom - 1;
    EXPECT_EQ(kFace, picture.At(MidX(selected), base));
    EXPECT_EQ(kHighlight, picture.At(tab.GetTabRect(3).right + 10, base));
}

TEST_F(TabPaintTest, CaptionsUseButtonTextAndDisabledTabsGrayText)
{
    Picture picture(tab);
    // Inside the edges, which use the shadow grey and black themselves.
    RECT enabled = tab.GetTabRect(3);
    RECT disabled = tab.GetTabRect(2);
    InflateRect(&enabled, -3, 0);
    InflateRect(&disabled, -3, 0);
    enabled.top += 4;
    disabled.top += 4;
    enabled.bottom -= 1;
    disabled.bottom -= 1;
    EXPECT_GT(picture.Count(enabled, kText), 5);
    EXPECT_EQ(0, picture.Count(enabled, kGray));
    EXPECT_GT(picture.Count(disabled, kGray), 5);
    EXPECT_EQ(0, picture.Count(disabled, kText));
}

TEST_F(TabPaintTest, TheSelectedCaptionIsBold)
{
    // The same caption on the same width draws more ink when it is the selected one.
    tab.SetTab(0, 50, "Same", pages[0], true);
    tab.SetTab(1, 50, "Same", pages[1], true);
    Picture picture(tab);
    RECT normal = tab.GetTabRect(0);
    RECT bold = tab.GetTabRect(1);
    normal.top += 3;
    bold.top += 3;
    EXPECT_GT(picture.Count(bold, kText), picture.Count(normal, kText));
}

TEST_F(TabPaintTest, TheFocusRectangleFollowsTheFocus)
{
    SetFocus(owner);
    Picture without(tab);
    tab.SetFocus();
    Picture with(tab);
    RECT selected = tab.GetTabRect(1);
    int row = selected.top + 2;
    int changed = 0;
    for (int x = selected.left + 3; x < selected.right - 3; ++x)
        changed += without.At(x, row) != with.At(x, row);
    EXPECT_GT(changed, 5);
    // Only the selected tab carries it.
    RECT other = tab.GetTabRect(0);
    for (int x = other.left; x < other.right; ++x)
        EXPECT_EQ(without.At(x, other.top + 4), with.At(x, other.top + 4)) << x;
}

TEST_F(TabPaintTest, AChangeOfSystemColoursRebuildsThePensAndBrushes)
{
    const int element = COLOR_BTNHIGHLIGHT;
    const COLORREF red = RGB(255, 0, 0);
    ASSERT_TRUE(SetSysColors(1, &element, &red));
    RECT selected = tab.GetTabRect(1);
    Picture before(tab);
    tab.SendMessage(WM_SYSCOLORCHANGE);
    Picture after(tab);
    SetSysColors(1, &element, &kHighlight);
    tab.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(kHighlight, before.At(MidX(selected), selected.top));
    EXPECT_EQ(red, after.At(MidX(selected), selected.top));
}

TEST_F(TabPaintTest, TheWindowPaintsTheSameOnScreen)
{
    // What WM_PAINT draws in the window matches the printed picture along the strip.
    tab.Invalidate();
    tab.UpdateWindow();
    Picture printed(tab);
    HDC window = GetDC(tab.m_hWnd);
    RECT selected = tab.GetTabRect(1);
    EXPECT_EQ(printed.At(MidX(selected), selected.top), GetPixel(window, MidX(selected), selected.top));
    RECT other = tab.GetTabRect(0);
    EXPECT_EQ(printed.At(MidX(other), other.top + 2), GetPixel(window, MidX(other), other.top + 2));
    ReleaseDC(tab.m_hWnd, window);
}

TEST_F(TabPaintTest, DisabledCaptionsFallBackToTheShadowWhenGrayTextEqualsTheFace)
{
    const int element = COLOR_GRAYTEXT;
    ASSERT_TRUE(SetSysColors(1, &element, &kFace));
    Picture picture(tab);
    SetSysColors(1, &element, &kGray);
    RECT disabled = tab.GetTabRect(2);
    InflateRect(&disabled, -3, 0);
    disabled.top += 4;
    disabled.bottom -= 1;
    EXPECT_GT(picture.Count(disabled, kShadow), 5);
}
