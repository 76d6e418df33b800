// The splitter's panes, the bitmap button, the wait cursor and the system dialog seam.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework.h"
#include "modal_script.h"
#include "test_resource.h"

namespace {

struct SplitterFixture {
    CWnd frame;
    CSplitterWnd splitter;
    CWnd left;
    CWnd right;

    bool Build(int width)
    {
        if (!frame.CreateEx(0, nullptr, "frame", WS_POPUP, RECT {0, 0, width, 200}, nullptr, 0))
            return false;
        if (!splitter.CreateStatic(&frame, 1, 2))
            return false;
        left.Create(nullptr, "", WS_VISIBLE, RECT {0, 0, 1, 1}, &splitter, CSplitterWnd::IdFromRowCol(0, 0));
        right.Create(nullptr, "", WS_VISIBLE, RECT {0, 0, 1, 1}, &splitter, CSplitterWnd::IdFromRowCol(0, 1));
        return true;
    }
    int Width(CWnd& pane) const
    {
        RECT rect = pane.GetWindowRect();
        return rect.right - rect.left;
    }
    int Left(CWnd& pane) const
    {
        RECT rect = pane.GetWindowRect();
        MapWindowPoints(nullptr, splitter.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect.left;
    }
};

TEST(Splitter, FirstPaneTakesTwoFifthsAndTheSecondTheRest)
{
    SplitterFixture fixture;
    ASSERT_TRUE(fixture.Build(500));
    fixture.splitter.SetColumnInfo(0, 500 * 2 / 5, 0);
    fixture.splitter.RecalcLayout();
    EXPECT_EQ(200, fixture.Width(fixture.left));
    EXPECT_EQ(500 - 200 - CSplitterWnd::kBarWidth, fixture.Width(fixture.right));
    EXPECT_EQ(200 + CSplitterWnd::kBarWidth, fixture.Left(fixture.right));
    int current = 0, minimum = 0;
    fixture.splitter.GetColumnInfo(1, current, minimum);
    EXPECT_EQ(294, current);
}

TEST(Splitter, DraggingTheBarMovesTheBoundary)
{
    SplitterFixture fixture;
    ASSERT_TRUE(fixture.Build(500));
    fixture.splitter.SetColumnInfo(0, 200, 0);
    fixture.splitter.RecalcLayout();
    fixture.splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(202, 50));
    fixture.splitter.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(262, 50));
    fixture.splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(302, 50));
    EXPECT_EQ(300, fixture.Width(fixture.left));
    EXPECT_EQ(194, fixture.Width(fixture.right));
    // A press beside the bar moves nothing.
    fixture.splitter.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 50));
    fixture.splitter.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, 50));
    EXPECT_EQ(300, fixture.Width(fixture.left));
}

TEST(Splitter, MinimumWidthsAndANarrowWindowNeverGiveNegativeSizes)
{
    SplitterFixture fixture;
    ASSERT_TRUE(fixture.Build(500));
    fixture.splitter.SetColumnInfo(0, 480, 0);
    fixture.splitter.SetColumnInfo(1, 0, 50);
    fixture.splitter.RecalcLayout();
    EXPECT_EQ(500 - CSplitterWnd::kBarWidth - 50, fixture.Width(fixture.left));
    fixture.splitter.MoveWindow(0, 0, 4, 100);
    EXPECT_EQ(0, fixture.Width(fixture.left));
    EXPECT_EQ(0, fixture.Width(fixture.right));
}

TEST(Splitter, PaneCommandsReachTheFrame)
{
    struct CFrame : CWnd {
        int commands = 0;
        const MessageMap& GetMessageMap() const override
        {
            static const MessageMap map(CWnd::GetMessageMap(), {on::Command(24037, &CFrame::OnRefresh)});
            return map;
        }
        void OnRefresh() { ++commands; }
    };
    CFrame frame;
    ASSERT_TRUE(frame.CreateEx(0, nullptr, "frame", WS_POPUP, RECT {0, 0, 300, 200}, nullptr, 0));
    CSplitterWnd splitter;
    ASSERT_TRUE(splitter.CreateStatic(&frame, 1, 2));
    splitter.SendMessage(WM_COMMAND, MAKEWPARAM(24037, 0), 0);
    EXPECT_EQ(1, frame.commands);
    CSplitterWnd twoRows;
    EXPECT_FALSE(twoRows.CreateStatic(&frame, 2, 2));
}

class CPictureDialog : public CDialog {
public:
    CPictureDialog() : CDialog(IDD_BITMAP_BUTTON) { }
    CBitmapButton picture;
    bool loaded = false;
    BOOL OnInitDialog() override
    {
        loaded = picture.AutoLoad(IDC_PICTURE, this);
        return CDialog::OnInitDialog();
    }
};

COLORREF PixelOfButton(HWND button, int state)
{
    HDC screen = GetDC(button);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 32, 16);
    HGDIOBJ old = SelectObject(memory, canvas);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_PICTURE;
    item.itemState = static_cast<UINT>(state);
    item.hwndItem = button;
    item.hDC = memory;
    item.rcItem = RECT {0, 0, 32, 16};
    SendMessageA(GetParent(button), WM_DRAWITEM, IDC_PICTURE, reinterpret_cast<LPARAM>(&item));
    COLORREF color = GetPixel(memory, 5, 5);
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(button, screen);
    return color;
}

TEST(BitmapButton, LoadsTheUpAndDownBitmapsNamedByItsTextAndDrawsEach)
{
    CPictureDialog dialog;
    COLORREF up = 0, down = 0;
    SIZE size = {};
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& shown = static_cast<CPictureDialog&>(modal);
        RECT rect = shown.picture.GetWindowRect();
        size = SIZE {rect.right - rect.left, rect.bottom - rect.top};
        up = PixelOfButton(shown.picture.m_hWnd, 0);
        down = PixelOfButton(shown.picture.m_hWnd, ODS_SELECTED);
        shown.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_TRUE(dialog.loaded);
    EXPECT_EQ(32, size.cx);
    EXPECT_EQ(16, size.cy);
    EXPECT_EQ(RGB(255, 255, 0), up);
    EXPECT_EQ(RGB(0, 0, 255), down);
}

TEST(BitmapButton, MissingUpBitmapIsAFailure)
{
    CBitmapButton button;
    EXPECT_FALSE(button.LoadBitmaps("NOSUCHPICTURE"));
}

TEST(WaitCursor, ShowsTheHourglassAndPutsTheCursorBack)
{
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    SetCursor(arrow);
    {
        CWaitCursor wait;
        EXPECT_EQ(LoadCursor(nullptr, IDC_WAIT), GetCursor());
    }
    EXPECT_EQ(arrow, GetCursor());
}

class FakeDialogs : public SystemDialogs {
public:
    std::string asked;
    bool OpenFile(FileDialogRequest& request) override
    {
        asked = request.title;
        request.path = "C:\\chosen.vst";
        return true;
    }
    bool SaveFile(FileDialogRequest&) override { return false; }
    bool ChoosePrinter(PrinterRequest&) override { return false; }
    bool ChooseFolder(HWND, const std::string&, std::string& folder) override
    {
        folder = "C:\\Move";
        return true;
    }
};

TEST(SystemDialogSeam, InstalledFakeAnswersInsteadOfTheSystem)
{
    FakeDialogs fake;
    SystemDialogs* previous = SystemDialogs::Install(&fake);
    FileDialogRequest request;
    request.title = "Open Virus List";
    EXPECT_TRUE(SystemDialogs::Current().OpenFile(request));
    EXPECT_EQ("C:\\chosen.vst", request.path);
    EXPECT_EQ("Open Virus List", fake.asked);
    std::string folder;
    EXPECT_TRUE(SystemDialogs::Current().ChooseFolder(nullptr, "Move Folder", folder));
    EXPECT_EQ("C:\\Move", folder);
    SystemDialogs::Install(previous);
    EXPECT_NE(&fake, &SystemDialogs::Current());
}

TEST(SystemDialogSeam, FilterBarsBecomeDoubleTerminatedPairs)
{
    EXPECT_EQ(std::string("Lists\0*.vst\0All\0*.*\0\0", 21), FilterFromBars("Lists|*.vst|All|*.*"));
    EXPECT_EQ(std::string("A\0*.a\0\0", 7), FilterFromBars("A|*.a|"));
    EXPECT_EQ("", FilterFromBars(""));
}

}  // namespace
