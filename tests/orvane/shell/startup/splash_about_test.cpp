// The splash window and the About box: their templates, the splash picture and its centring.
#include <gtest/gtest.h>

#include <string>

#include "about_dlg.h"
#include "modal_script.h"
#include "splash_wnd.h"
#include "startup_ids.h"
#include "ui_actions.h"

namespace {

constexpr int kPictureWidth = 320;
constexpr int kPictureHeight = 200;

RECT ChildRect(HWND parent, HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string Text(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.right) + "," +
        std::to_string(rect.bottom);
}

}  // namespace

TEST(SplashPicture, IsTheUpBitmapOfSplash16)
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), "SPLASH_16U");
    ASSERT_NE(nullptr, bitmap);
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(kPictureWidth, info.bmWidth);
    EXPECT_EQ(kPictureHeight, info.bmHeight);
    DeleteObject(bitmap);
}

TEST(SplashWnd, IsAVisibleCaptionlessPopupFilledByThePictureButton)
{
    CSplashWnd splash;
    ASSERT_TRUE(splash.Show());
    LONG style = GetWindowLongA(splash.m_hWnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_NE(static_cast<LONG>(WS_CAPTION), style & WS_CAPTION);
    HWND button = splash.GetDlgItem(IDC_SPLASH_BITMAP);
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK);
    RECT picture = ChildRect(splash.m_hWnd, button);
    EXPECT_EQ("0,0,320,200", Text(picture));
    RECT client = splash.GetClientRect();
    EXPECT_EQ(kPictureWidth, client.right);
    EXPECT_EQ(kPictureHeight, client.bottom);
    splash.DestroyWindow();
    EXPECT_EQ(nullptr, splash.m_hWnd);
}

TEST(AboutDlg, ThePictureStandsCentredAtItsTemplateHeightWithItsOwnSize)
{
    CAboutDlg about;
    std::string caption;
    RECT picture = {}, client = {}, templatePlace = {7, 48, 0, 0};
    ModalScript script;
    script.Then([&](CWnd& modal) {
        caption = modal.GetWindowText();
        client = modal.GetClientRect();
        picture = ChildRect(modal.m_hWnd, modal.GetDlgItem(IDC_SPLASH_BITMAP));
        MapDialogRect(modal.m_hWnd, &templatePlace);
        Click(modal.m_hWnd, IDOK);
    });
    EXPECT_EQ(IDOK, about.DoModal());
    EXPECT_EQ("Alert for Windows NT v2.0 ", caption);
    ASSERT_GT(client.right, kPictureWidth);
    EXPECT_EQ((client.right - kPictureWidth) / 2, picture.left);
    EXPECT_EQ(templatePlace.top, picture.top);
    EXPECT_EQ(kPictureWidth, picture.right - picture.left);
    EXPECT_EQ(kPictureHeight, picture.bottom - picture.top);
}
