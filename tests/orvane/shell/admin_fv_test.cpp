// The page base: creation inside a tab window, colours, 3-D edges, activation and its two operations.
#include <gtest/gtest.h>

#include "admin_fv.h"
#include "as_tab_wnd.h"
#include "tab_recorder.h"
#include "tab_test_resource.h"

namespace {

class CTestPage : public CAdminFV {
public:
    CTestPage() : CAdminFV(IDD_TAB_TEST_PAGE) { }
    std::vector<int> loads;
    int releases = 0;
    void Load(int first) override { loads.push_back(first); }
    void ReleaseItems() override { ++releases; }
};

class AdminPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = CreateRecorder(nullptr, RECT {0, 0, 500, 400});
        ASSERT_TRUE(tab.Create(owner, RECT {0, 0, 480, 360}, 5, 2));
        ASSERT_TRUE(page.CreateInTab(tab, 1));
        tab.SetTab(1, -1, "Test", page.m_hWnd, true);
        tab.Select(1);
    }
    void TearDown() override
    {
        page.DestroyWindow();
        tab.DestroyWindow();
        DestroyWindow(owner);
    }

    HWND owner = nullptr;
    CASTabWnd tab;
    CTestPage page;
};

bool IsFaceBrush(HBRUSH brush)
{
    LOGBRUSH info = {};
    return GetObjectA(brush, sizeof info, &info) == sizeof info && info.lbStyle == BS_SOLID &&
        info.lbColor == GetSysColor(COLOR_BTNFACE);
}

}  // namespace

TEST_F(AdminPageTest, APageIsAnUntitledVisibleChildOfItsTabWithTheTabIndexAsId)
{
    EXPECT_EQ(tab.m_hWnd, GetParent(page.m_hWnd));
    EXPECT_EQ(1, GetDlgCtrlID(page.m_hWnd));
    EXPECT_EQ("", page.GetWindowText());
    EXPECT_TRUE(IsWindowVisible(page.m_hWnd));
    EXPECT_TRUE(GetWindowLongA(page.m_hWnd, GWL_STYLE) & WS_CHILD);
}

TEST_F(AdminPageTest, TheFaceColourAndBrushAreMadeAtConstruction)
{
    CTestPage unmade;
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), unmade.FaceColour());
    EXPECT_TRUE(IsFaceBrush(unmade.FaceBrush()));
}

TEST_F(AdminPageTest, ReadOnlyEditsGetATransparentBackgroundOnTheFaceBrush)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SetBkMode(dc, OPAQUE);
    HWND readOnly = page.GetDlgItem(IDC_TEST_READONLY);
    auto answer = reinterpret_cast<HBRUSH>(
        page.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(readOnly)));
    EXPECT_EQ(page.FaceBrush(), answer);
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));

    SetBkMode(dc, OPAQUE);
    HWND edit = page.GetDlgItem(IDC_TEST_EDIT);
    answer = reinterpret_cast<HBRUSH>(
        page.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit)));
    EXPECT_NE(page.FaceBrush(), answer);
    EXPECT_EQ(OPAQUE, GetBkMode(dc));

    HWND button = page.GetDlgItem(IDC_TEST_BUTTON);
    answer = reinterpret_cast<HBRUSH>(
        page.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button)));
    EXPECT_NE(page.FaceBrush(), answer);
    DeleteDC(dc);
}

TEST_F(AdminPageTest, BorderedEditsAndListsGetASunkenEdge)
{
    for (int id : {IDC_TEST_EDIT, IDC_TEST_READONLY, IDC_TEST_LIST}) {
        HWND control = page.GetDlgItem(id);
        EXPECT_FALSE(GetWindowLongA(control, GWL_STYLE) & WS_BORDER) << id;
        EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << id;
    }
    EXPECT_FALSE(GetWindowLongA(page.GetDlgItem(IDC_TEST_BUTTON), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(AdminPageTest, TheBaseOperationsAreVirtualSoTheFrameReachesThePage)
{
    CAdminFV& base = page;
    base.Load(1);
    base.Load(0);
    base.ReleaseItems();
    EXPECT_EQ((std::vector<int> {1, 0}), page.loads);
    EXPECT_EQ(1, page.releases);
    CAdminFV plain(IDD_TAB_TEST_PAGE);
    plain.Load(1);
    plain.ReleaseItems();
}

TEST(AdminPageActivation, AClickOnAPageLeavesTheFrameWithoutAnActiveView)
{
    CFrameWnd frame;
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT {0, 0, 500, 400}));
    CASTabWnd tab;
    ASSERT_TRUE(tab.Create(frame.m_hWnd, RECT {0, 0, 480, 360}, 5, 1));
    CTestPage page;
    ASSERT_TRUE(page.CreateInTab(tab, 0));
    CTestPage other;
    ASSERT_TRUE(other.Create(&frame, RECT {0, 0, 10, 10}, 9, WS_CHILD));
    frame.SetActiveView(&other);
    page.SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(frame.m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(nullptr, frame.GetActiveView());
    page.DestroyWindow();
    other.DestroyWindow();
    tab.DestroyWindow();
    frame.DestroyWindow();
}
