// The Alert Manager's copy of the column list: its process-wide class and its plain empty-list message.
#include "col_list_fixture.h"

namespace {

TEST_F(ColListTest, AlertManagerCopyRegistersAGlobalClassOnce)
{
    Make(kAlertManagerFlags);
    EXPECT_EQ(static_cast<DWORD>(CS_GLOBALCLASS | CS_PARENTDC | CS_DBLCLKS), GetClassLongA(list->m_hWnd, GCL_STYLE));
    // A second control uses the remembered registration.
    CColList second;
    EXPECT_TRUE(second.Create(1, WS_VISIBLE, RECT {0, 250, 100, 300}, owner.m_hWnd, 2, kAlertManagerFlags));
}

TEST_F(ColListTest, AlertManagerCopyDrawsTheEmptyMessageWithoutItsColour)
{
    const COLORREF red = RGB(255, 0, 0);
    Make(kAlertManagerFlags);
    list->SetEmptyMessage(1, "Nothing to show here", red, nullptr);
    Paint();
    EXPECT_FALSE(IsWindowVisible(list->ListBox()));
    EXPECT_EQ(0, CountPixels(list->m_hWnd, RECT {0, 0, 400, 200}, red));
    EXPECT_GT(CountPixels(list->m_hWnd, RECT {100, 60, 300, 140}, GetSysColor(COLOR_BTNTEXT)), 20);
}

}  // namespace
