// CWndList: its measures, the content layout with and without the caption, alternate content and focus.
#include <gtest/gtest.h>

#include <windows.h>

#include "win_app.h"
#include "wnd_list.h"

namespace {

CWinApp g_app("Window list tests");

RECT PlaceOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectRect(const RECT& expected, const RECT& actual)
{
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.top, actual.top);
    EXPECT_EQ(expected.right, actual.right);
    EXPECT_EQ(expected.bottom, actual.bottom);
}

class WndListTest : public ::testing::Test {
protected:
    WndListTest()
    {
        owner = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr, nullptr,
            GetModuleHandleA(nullptr), nullptr);
        parent.Attach(owner);
        pane = new CWndList;
        EXPECT_TRUE(pane->Create(&parent, RECT {0, 0, 300, 200}, 100));
        content = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 0, 0, 10,
            10, pane->m_hWnd, nullptr, GetModuleHandleA(nullptr), nullptr);
        alternate = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_TABSTOP, 0, 0, 10, 10, pane->m_hWnd, nullptr,
            GetModuleHandleA(nullptr), nullptr);
        pane->SetContent(content);
        pane->SetAlternateContent(alternate);
    }
    ~WndListTest() override
    {
        parent.Detach();
        DestroyWindow(owner);
    }
    void Resize(int width, int height) { SetWindowPos(pane->m_hWnd, nullptr, 0, 0, width, height, SWP_NOZORDER); }

    HWND owner = nullptr;
    CWnd parent;
    CWndList* pane = nullptr;
    HWND content = nullptr;
    HWND alternate = nullptr;
};

TEST(WndListMetrics, FollowTheLetterSize)
{
    WndListMetrics before;
    EXPECT_EQ(7, before.Margin());
    EXPECT_EQ(0, before.CaptionBand(false));
    // 10 + 7 / 2 - 7 - 1
    EXPECT_EQ(5, before.CaptionBand(true));
    WndListMetrics tall {8, 16};
    EXPECT_EQ(10, tall.Margin());
    EXPECT_EQ(10, tall.CaptionBand(true));
    ExpectRect(RECT {10, 20, 190, 90}, tall.ContentRect(200, 100, true));
}

TEST(WndListMetrics, APaneNarrowerThanTwoMarginsGivesNoNegativeSize)
{
    WndListMetrics metrics {8, 16};
    ExpectRect(RECT {10, 10, 10, 10}, metrics.ContentRect(15, 12, false));
    ExpectRect(RECT {10, 20, 10, 20}, metrics.ContentRect(0, 0, true));
}

TEST_F(WndListTest, MeasuresItsFontAndRegistersItsClass)
{
    char name[32] = {};
    GetClassNameA(pane->m_hWnd, name, sizeof name);
    EXPECT_STREQ("WndListClass", name);
    WNDCLASSA info = {};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "WndListClass", &info));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS | CS_PARENTDC), info.style);
    HDC dc = GetDC(pane->m_hWnd);
    SIZE letter = {};
    GetTextExtentPoint32A(dc, "M", 1, &letter);
    ReleaseDC(pane->m_hWnd, dc);
    EXPECT_EQ(letter.cy, pane->Metrics().charHeight);
    EXPECT_EQ(letter.cx, pane->Metrics().charWidth);
}

TEST_F(WndListTest, LaysBothContentsOutInsideTheMargins)
{
    Resize(320, 240);
    const int margin = pane->Metrics().Margin();
    ExpectRect(RECT {margin, margin, 320 - margin, 240 - margin}, PlaceOf(content));
    ExpectRect(RECT {margin, margin, 320 - margin, 240 - margin}, PlaceOf(alternate));
}

TEST_F(WndListTest, ACaptionMovesTheContentDownAndHidingItMovesItBackUp)
{
    pane->SetCaption(true, "Servers");
    pane->Layout();
    const int margin = pane->Metrics().Margin();
    const int band = pane->Metrics().CaptionBand(true);
    RECT client = pane->GetClientRect();
    EXPECT_EQ(margin + band, PlaceOf(content).top);
    EXPECT_EQ(client.bottom - margin, PlaceOf(content).bottom);
    EXPECT_EQ("Servers", pane->CaptionText());
    pane->SetCaption(false);
    pane->Layout();
    EXPECT_EQ(margin, PlaceOf(content).top);
    EXPECT_EQ("Servers", pane->CaptionText());
}

TEST_F(WndListTest, ATinyPaneGivesItsContentNoWidth)
{
    const int margin = pane->Metrics().Margin();
    Resize(2 * margin - 1, 2 * margin - 1);
    RECT place = PlaceOf(content);
    EXPECT_EQ(0, place.right - place.left);
    EXPECT_EQ(0, place.bottom - place.top);
}

TEST_F(WndListTest, TheFocusGoesToTheVisibleAlternateElseToTheContent)
{
    SetFocus(pane->m_hWnd);
    EXPECT_EQ(content, GetFocus());
    ShowWindow(alternate, SW_SHOW);
    SetFocus(pane->m_hWnd);
    EXPECT_EQ(alternate, GetFocus());
    ShowWindow(alternate, SW_HIDE);
    SetFocus(pane->m_hWnd);
    EXPECT_EQ(content, GetFocus());
}

TEST_F(WndListTest, AFontGivenToThePaneAnswersZero)
{
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    EXPECT_EQ(0, SendMessageA(pane->m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE));
}

}  // namespace
