// The tab window's font, tab entries, layout and hit test.
#include <cstring>

#include "tab_fixture.h"

namespace {

int ExpectedTextHeight()
{
    LOGFONTA description = TabLogFont(false, false, "MS Sans Serif");
    HFONT font = CreateFontIndirectA(&description);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return metrics.tmHeight;
}

int SystemFontWidth(const char* text)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &extent);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return extent.cx;
}

}  // namespace

TEST(TabFont, SingleByteSystemsGetElevenPixelSansSerif)
{
    LOGFONTA normal = TabLogFont(false, false, "MS Sans Serif");
    EXPECT_EQ(-11, normal.lfHeight);
    EXPECT_EQ(400, normal.lfWeight);
    EXPECT_EQ(0, normal.lfCharSet);
    EXPECT_EQ(1, normal.lfOutPrecision);
    EXPECT_EQ(2, normal.lfClipPrecision);
    EXPECT_EQ(1, normal.lfQuality);
    EXPECT_EQ(34, normal.lfPitchAndFamily);
    EXPECT_STREQ("MS Sans Serif", normal.lfFaceName);
    EXPECT_EQ(700, TabLogFont(false, true, "MS Sans Serif").lfWeight);
}

TEST(TabFont, DoubleByteSystemsKeepTheNormalWeightForBold)
{
    LOGFONTA bold = TabLogFont(true, true, "Gothic");
    EXPECT_EQ(-13, bold.lfHeight);
    EXPECT_EQ(400, bold.lfWeight);
    EXPECT_EQ(128, bold.lfCharSet);
    EXPECT_EQ(3, bold.lfOutPrecision);
    EXPECT_EQ(2, bold.lfClipPrecision);
    EXPECT_EQ(1, bold.lfQuality);
    EXPECT_EQ(49, bold.lfPitchAndFamily);
    EXPECT_STREQ("Gothic", bold.lfFaceName);
}

TEST(TabFont, AnOverlongFaceNameIsCutToTheFieldNotBeyondIt)
{
    std::string longName(80, 'F');
    LOGFONTA font = TabLogFont(true, false, longName);
    EXPECT_EQ(std::string(LF_FACESIZE - 1, 'F'), font.lfFaceName);
}

TEST_F(TabWindowTest, WindowClassIsASTabWndWithButtonFaceBackground)
{
    char name[32] = {};
    GetClassNameA(tab.m_hWnd, name, sizeof name);
    EXPECT_STREQ("ASTabWnd", name);
    WNDCLASSA info = {};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "ASTabWnd", &info));
    EXPECT_EQ(static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS), info.style);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), info.hbrBackground);
    EXPECT_EQ(owner, GetParent(tab.m_hWnd));
    EXPECT_EQ(static_cast<int>(kTabId), GetDlgCtrlID(tab.m_hWnd));
    EXPECT_TRUE(IsWindowVisible(tab.m_hWnd));
}

TEST_F(TabWindowTest, TabsFollowEachOtherFromTwoPixelsInsideTheMargins)
{
    const int height = ExpectedTextHeight();
    ASSERT_GT(height, 0);
    EXPECT_EQ(height, tab.GetTextHeight());
    int left = CASTabWnd::kMarginX + 2;
    for (int i = 0; i < 4; ++i) {
        RECT rect = tab.GetTabRect(i);
        EXPECT_EQ(left, rect.left) << i;
        EXPECT_EQ(left + kWidths[i] + 6, rect.right) << i;
        EXPECT_EQ(CASTabWnd::kMarginY, rect.top) << i;
        EXPECT_EQ(CASTabWnd::kMarginY + height + 5, rect.bottom) << i;
        left = rect.right;
    }
    RECT page = tab.GetPageRect();
    EXPECT_EQ(CASTabWnd::kMarginX, page.left);
    EXPECT_EQ(CASTabWnd::kMarginY + height + 5, page.top);
    EXPECT_EQ(300 - CASTabWnd::kMarginX, page.right);
    EXPECT_EQ(200 - CASTabWnd::kMarginY, page.bottom);
}

TEST_F(TabWindowTest, SetTabMeasuresTheCaptionOrRefusesBadWidthsAndSlots)
{
    ASSERT_EQ(0, tab.SetTab(1, -1, "Trouble Ticket", pages[1], true));
    EXPECT_EQ(SystemFontWidth("Trouble Ticket") + 6, tab.GetTabWidth(1));
    EXPECT_EQ("Trouble Ticket", tab.GetCaption(1));

    EXPECT_EQ(-1, tab.SetTab(0, 0, "Zero", pages[0], true));
    EXPECT_EQ(-1, tab.SetTab(0, -2, "Minus", pages[0], true));
    EXPECT_EQ(-1, tab.SetTab(4, 10, "Beyond", nullptr, true));
    EXPECT_EQ(-1, tab.SetTab(-1, 10, "Before", nullptr, true));
    // A refused call leaves the entry as it was.
    EXPECT_EQ(kWidths[0], tab.GetTabWidth(0));
    EXPECT_EQ("One", tab.GetCaption(0));
}

TEST_F(TabWindowTest, PagesBecomeHiddenChildrenOfTheTabWindow)
{
    for (HWND page : pages) {
        EXPECT_EQ(tab.m_hWnd, GetParent(page));
        EXPECT_FALSE(IsWindowVisible(page));
    }
}

TEST_F(TabWindowTest, SetPageCountEmptiesEveryTabAndClearsTheSelection)
{
    tab.Select(1);
    ASSERT_TRUE(IsWindowVisible(pages[1]));
    tab.SetPageCount(2);
    EXPECT_FALSE(IsWindowVisible(pages[1]));
    EXPECT_EQ(2, tab.GetTabCount());
    EXPECT_EQ(-1, tab.GetCurSel());
    EXPECT_EQ(nullptr, tab.GetPage(0));
    EXPECT_EQ("", tab.GetCaption(1));
    EXPECT_FALSE(tab.IsTabEnabled(0));
    EXPECT_EQ(-1, tab.Select(0));
}

TEST_F(TabWindowTest, HitTestCoversTheTabRowFromTwoPixelsBelowTheTop)
{
    const int top = CASTabWnd::kMarginY;
    const int bottom = top + tab.GetTextHeight() + 5;
    RECT second = tab.GetTabRect(1);
    EXPECT_EQ(-1, tab.HitTest(POINT {second.left + 3, top + 1}));
    EXPECT_EQ(1, tab.HitTest(POINT {second.left + 3, top + 2}));
    EXPECT_EQ(1, tab.HitTest(POINT {second.left + 3, bottom}));
    EXPECT_EQ(-1, tab.HitTest(POINT {second.left + 3, bottom + 1}));
    EXPECT_EQ(1, tab.HitTest(POINT {second.left, top + 4}));
    EXPECT_EQ(2, tab.HitTest(POINT {second.right, top + 4}));
    EXPECT_EQ(0, tab.HitTest(POINT {tab.GetTabRect(0).left, top + 4}));
    EXPECT_EQ(-1, tab.HitTest(POINT {tab.GetTabRect(0).left - 1, top + 4}));
    EXPECT_EQ(-1, tab.HitTest(POINT {tab.GetTabRect(3).right, top + 4}));
}

TEST_F(TabWindowTest, HitTestFindsNothingInATooNarrowOrTooLowWindow)
{
    // Inner width 10 is exactly twice the four tabs plus 2: too narrow.
    tab.MoveWindow(0, 0, 10 + 2 * CASTabWnd::kMarginX, 200);
    EXPECT_EQ(-1, tab.HitTest(POINT {5, CASTabWnd::kMarginY + 4}));
    tab.MoveWindow(0, 0, 11 + 2 * CASTabWnd::kMarginX, 200);
    EXPECT_EQ(0, tab.HitTest(POINT {5, CASTabWnd::kMarginY + 4}));
    // Inner height 10 is too low, 11 is enough.
    tab.MoveWindow(0, 0, 300, 10 + 2 * CASTabWnd::kMarginY);
    EXPECT_EQ(-1, tab.HitTest(InTab(0)));
    tab.MoveWindow(0, 0, 300, 11 + 2 * CASTabWnd::kMarginY);
    EXPECT_EQ(0, tab.HitTest(InTab(0)));
}

TEST_F(TabWindowTest, ResizingSizesTheSelectedPageToTheAreaBelowTheStrip)
{
    tab.Select(0);
    tab.MoveWindow(0, 0, 250, 150);
    RECT expected = tab.GetPageRect();
    EXPECT_EQ(250 - CASTabWnd::kMarginX, expected.right);
    RECT actual = {};
    GetWindowRect(pages[0], &actual);
    MapWindowPoints(nullptr, tab.m_hWnd, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_TRUE(EqualRect(&expected, &actual));
}
