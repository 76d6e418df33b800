// QVCTRLU.DLL as the pages use it: loaded by name, classes by name, private messages.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "qvctrl.h"

namespace {

using Switch = BOOL(WINAPI*)(BOOL);

int g_changes = 0;

LRESULT CALLBACK CountingParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == 7 && HIWORD(wParam) == EN_CHANGE)
        ++g_changes;
    return DefWindowProcA(window, message, wParam, lParam);
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

Switch JustificationSwitch(HMODULE library)
{
    // The export's real type is known from the library's header.
    FARPROC found = GetProcAddress(library, "EnableStatic3DJustification");
    Switch typed = nullptr;
    static_assert(sizeof typed == sizeof found);
    memcpy(&typed, &found, sizeof typed);
    return typed;
}

class CustomControls : public ::testing::Test {
protected:
    static void SetUpTestSuite() { library = LoadLibraryA("QVCTRLU.DLL"); }

    void SetUp() override
    {
        ASSERT_NE(nullptr, library);
        parent = CreateWindowExA(0, "STATIC", "parent", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND Make(const char* className, int id = 7)
    {
        return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE, 0, 0, 120, 22, parent,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    }

    static HWND EditOf(HWND spin) { return FindWindowExA(spin, nullptr, "EDIT", nullptr); }

    static std::string TextOf(HWND window)
    {
        char text[64] = {};
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    static HMODULE library;
    HWND parent = nullptr;
};

HMODULE CustomControls::library = nullptr;

TEST_F(CustomControls, LibraryExportsTheJustificationSwitchByName)
{
    Switch enable = JustificationSwitch(library);
    ASSERT_NE(nullptr, enable);
    EXPECT_FALSE(enable(TRUE));
    HWND justified = Make(QV_NUMSPIN_CLASS);
    EXPECT_TRUE(enable(FALSE));
    HWND plain = Make(QV_NUMSPIN_CLASS);
    EXPECT_TRUE(GetWindowLongA(EditOf(justified), GWL_STYLE) & ES_RIGHT);
    EXPECT_TRUE(GetWindowLongA(EditOf(justified), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(GetWindowLongA(EditOf(plain), GWL_STYLE) & ES_RIGHT);
}

TEST_F(CustomControls, NumSpinRangeComesInTheLowAndHighWords)
{
    HWND spin = Make(QV_NUMSPIN_CLASS);
    ASSERT_NE(nullptr, spin);
    EXPECT_EQ(1, SendMessageA(spin, QVM_SETRANGE, 0, MAKELPARAM(10, 1000)));
    EXPECT_EQ(10, SendMessageA(spin, QVM_SETVALUE, 5, 0));
    EXPECT_EQ(10, SendMessageA(spin, QVM_GETVALUE, 0, 0));
    EXPECT_EQ(1000, SendMessageA(spin, QVM_SETVALUE, 5000, 0));
    EXPECT_EQ(250, SendMessageA(spin, QVM_SETVALUE, 250, 0));
    EXPECT_EQ(250, SendMessageA(spin, QVM_GETVALUE, 0, 0));
    EXPECT_EQ("250", TextOf(EditOf(spin)));
}

TEST_F(CustomControls, NumSpinNarrowingTheRangeClampsTheValue)
{
    HWND spin = Make(QV_NUMSPIN_CLASS);
    SendMessageA(spin, QVM_SETRANGE, 0, MAKELPARAM(0, 9999));
    SendMessageA(spin, QVM_SETVALUE, 9000, 0);
    SendMessageA(spin, QVM_SETRANGE, 0, MAKELPARAM(3, 365));
    EXPECT_EQ(365, SendMessageA(spin, QVM_GETVALUE, 0, 0));
    // A range given upside down is the same range.
    SendMessageA(spin, QVM_SETRANGE, 0, MAKELPARAM(500, 10));
    EXPECT_EQ(10, SendMessageA(spin, QVM_SETVALUE, 1, 0));
    EXPECT_EQ(500, SendMessageA(spin, QVM_SETVALUE, 501, 0));
}

TEST_F(CustomControls, NumSpinTypingAboveTheMaximumIsClampedAtOnce)
{
    HWND spin = Make(QV_NUMSPIN_CLASS);
    SendMessageA(spin, QVM_SETRANGE, 0, MAKELPARAM(10, 1000));
    SetWindowTextA(EditOf(spin), "20000");
    EXPECT_EQ("1000", TextOf(EditOf(spin)));
    EXPECT_EQ(1000, SendMessageA(spin, QVM_GETVALUE, 0, 0));
}

TEST_F(CustomControls, NumSpinTypingBelowTheMinimumIsClampedWhenRead)
{
    HWND spin = Make(QV_NUMSPIN_CLASS);
    SendMessageA(spin, QVM_SETRANGE, 0, MAKELPARAM(10, 1000));
    SetWindowTextA(EditOf(spin), "3");
    // Still typing: "3" may become "35".
    EXPECT_EQ("3", TextOf(EditOf(spin)));
    EXPECT_EQ(10, SendMessageA(spin, QVM_GETVALUE, 0, 0));
    EXPECT_EQ("10", TextOf(EditOf(spin)));
}

TEST_F(CustomControls, NumSpinEmptyOrBadTextKeepsTheLastValue)
{
    HWND spin = Make(QV_NUMSPIN_CLASS);
    SendMessageA(spin, QVM_SETRANGE, 0, MAKELPARAM(0, 365));
    SendMessageA(spin, QVM_SETVALUE, 42, 0);
    SetWindowTextA(EditOf(spin), "");
    EXPECT_EQ(42, SendMessageA(spin, QVM_GETVALUE, 0, 0));
    EXPECT_EQ("42", TextOf(EditOf(spin)));
}

TEST_F(CustomControls, NumSpinAcceptsANegativeRange)
{
    HWND spin = Make(QV_NUMSPIN_CLASS);
    SendMessageA(spin, QVM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(-5), 5));
    SetWindowTextA(EditOf(spin), "-3");
    EXPECT_EQ(-3, SendMessageA(spin, QVM_GETVALUE, 0, 0));
    EXPECT_EQ(-5, SendMessageA(spin, QVM_SETVALUE, static_cast<WPARAM>(-9), 0));
}

TEST_F(CustomControls, NumSpinArrowKeysStepWithinTheRange)
{
    HWND spin = Make(QV_NUMSPIN_CLASS);
    SendMessageA(spin, QVM_SETRANGE, 0, MAKELPARAM(0, 1000));
    SendMessageA(spin, QVM_SETVALUE, 999, 0);
    HWND edit = EditOf(spin);
    SendMessageA(edit, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(edit, WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(1000, SendMessageA(spin, QVM_GETVALUE, 0, 0));
    SendMessageA(edit, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(edit, WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(1000, SendMessageA(spin, QVM_GETVALUE, 0, 0));
    SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(edit, WM_KEYUP, VK_DOWN, 0);
    EXPECT_EQ(999, SendMessageA(spin, QVM_GETVALUE, 0, 0));
}

TEST_F(CustomControls, NumSpinTellsItsParentOfChanges)
{
    g_changes = 0;
    WNDCLASSA counting = {};
    counting.lpfnWndProc = CountingParentProc;
    counting.lpszClassName = "QvCountingParent";
    RegisterClassA(&counting);
    HWND owner =
        CreateWindowExA(0, "QvCountingParent", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    HWND spin = CreateWindowExA(
        0, QV_NUMSPIN_CLASS, "", WS_CHILD, 0, 0, 80, 20, owner, reinterpret_cast<HMENU>(7), nullptr, nullptr);
    SetWindowTextA(EditOf(spin), "12");
    EXPECT_EQ(1, g_changes);
    SendMessageA(spin, QVM_SETVALUE, 30, 0);
    EXPECT_EQ(1, g_changes);  // a program's change is no user's edit
    DestroyWindow(owner);
}

TEST_F(CustomControls, DateHoldsYearMonthFromZeroAndDay)
{
    HWND date = Make(QV_DATE_CLASS);
    ASSERT_NE(nullptr, date);
    int set[3] = {2026, 0, 31};
    EXPECT_EQ(1, SendMessageA(date, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(set)));
    int got[3] = {};
    EXPECT_EQ(1, SendMessageA(date, QVM_GETFIELDS, 0, reinterpret_cast<LPARAM>(got)));
    EXPECT_EQ(2026, got[0]);
    EXPECT_EQ(0, got[1]);
    EXPECT_EQ(31, got[2]);
    SYSTEMTIME shown = {};
    HWND picker = GetWindow(date, GW_CHILD);
    SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(1, shown.wMonth);
}

TEST_F(CustomControls, DateFieldsOutOfRangeAreClamped)
{
    HWND date = Make(QV_DATE_CLASS);
    int february[3] = {2025, 1, 31};
    SendMessageA(date, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(february));
    int got[3] = {};
    SendMessageA(date, QVM_GETFIELDS, 0, reinterpret_cast<LPARAM>(got));
    EXPECT_EQ(28, got[2]);
    int leap[3] = {2024, 1, 30};
    SendMessageA(date, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(leap));
    SendMessageA(date, QVM_GETFIELDS, 0, reinterpret_cast<LPARAM>(got));
    EXPECT_EQ(29, got[2]);
    int wild[3] = {99, 12, 0};
    SendMessageA(date, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(wild));
    SendMessageA(date, QVM_GETFIELDS, 0, reinterpret_cast<LPARAM>(got));
    EXPECT_EQ(1753, got[0]);
    EXPECT_EQ(11, got[1]);
    EXPECT_EQ(1, got[2]);
}

TEST_F(CustomControls, TimeHoldsHourMinuteSecondAndClamps)
{
    HWND time = Make(QV_TIME_CLASS);
    ASSERT_NE(nullptr, time);
    int set[3] = {23, 59, 58};
    SendMessageA(time, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(set));
    int got[3] = {};
    SendMessageA(time, QVM_GETFIELDS, 0, reinterpret_cast<LPARAM>(got));
    EXPECT_EQ(23, got[0]);
    EXPECT_EQ(59, got[1]);
    EXPECT_EQ(58, got[2]);
    int wild[3] = {24, 61, -1};
    SendMessageA(time, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(wild));
    SendMessageA(time, QVM_GETFIELDS, 0, reinterpret_cast<LPARAM>(got));
    EXPECT_EQ(23, got[0]);
    EXPECT_EQ(59, got[1]);
    EXPECT_EQ(0, got[2]);
}

TEST_F(CustomControls, NullFieldAddressIsRefused)
{
    HWND date = Make(QV_DATE_CLASS);
    EXPECT_EQ(0, SendMessageA(date, QVM_SETFIELDS, 0, 0));
    EXPECT_EQ(0, SendMessageA(date, QVM_GETFIELDS, 0, 0));
}

TEST_F(CustomControls, DialogTemplatesNameTheClasses)
{
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(100), nullptr, PlainDialogProc, 0);
    ASSERT_NE(nullptr, dialog);
    char className[32] = {};
    GetClassNameA(GetDlgItem(dialog, 201), className, sizeof className);
    EXPECT_STREQ("QVNumSpin", className);
    GetClassNameA(GetDlgItem(dialog, 202), className, sizeof className);
    EXPECT_STREQ("QVDate", className);
    GetClassNameA(GetDlgItem(dialog, 203), className, sizeof className);
    EXPECT_STREQ("QVTime", className);
    SendDlgItemMessageA(dialog, 201, QVM_SETRANGE, 0, MAKELPARAM(0, 1000));
    SendDlgItemMessageA(dialog, 201, QVM_SETVALUE, 7, 0);
    EXPECT_EQ(7, SendDlgItemMessageA(dialog, 201, QVM_GETVALUE, 0, 0));
    DestroyWindow(dialog);
}

}  // namespace
