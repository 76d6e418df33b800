// QVDate and QVTime: a date or a time held as three integers, shown in a date and time picker.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "library.h"
#include "qvctrl.h"

namespace qvctrl {
namespace {

constexpr int kPickerId = 1;

struct DateTimeField {
    HWND picker;
    bool isDate;
    SYSTEMTIME time;
};

DateTimeField* StateOf(HWND window)
{
    return reinterpret_cast<DateTimeField*>(GetWindowLongPtrA(window, 0));
}

int Clamp(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 1 && IsLeapYear(year) ? 29 : days[month];
}

void SetFields(DateTimeField& field, const int* values)
{
    if (field.isDate) {
        // The picker cannot show years before the Gregorian calendar's adoption.
        int year = Clamp(values[0], 1753, 9999);
        int month = Clamp(values[1], 0, 11);
        int day = Clamp(values[2], 1, DaysInMonth(year, month));
        field.time.wYear = static_cast<WORD>(year);
        field.time.wMonth = static_cast<WORD>(month + 1);
        field.time.wDay = static_cast<WORD>(day);
    } else {
        field.time.wHour = static_cast<WORD>(Clamp(values[0], 0, 23));
        field.time.wMinute = static_cast<WORD>(Clamp(values[1], 0, 59));
        field.time.wSecond = static_cast<WORD>(Clamp(values[2], 0, 59));
    }
    field.time.wMilliseconds = 0;
    field.time.wDayOfWeek = 0;
    SendMessageA(field.picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&field.time));
}

void GetFields(DateTimeField& field, int* values)
{
    SYSTEMTIME shown = {};
    if (SendMessageA(field.picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)) == GDT_VALID)
        field.time = shown;
    if (field.isDate) {
        values[0] = field.time.wYear;
        values[1] = field.time.wMonth - 1;
        values[2] = field.time.wDay;
    } else {
        values[0] = field.time.wHour;
        values[1] = field.time.wMinute;
        values[2] = field.time.wSecond;
    }
}

LRESULT Create(HWND window, const CREATESTRUCTA& create)
{
    EnsureCommonControls();
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    auto* field = new DateTimeField {nullptr, lstrcmpiA(className, QV_DATE_CLASS) == 0, {}};
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(field));
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    GetLocalTime(&field->time);
    field->time.wMilliseconds = 0;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (field->isDate ? DTS_SHORTDATECENTURYFORMAT : DTS_TIMEFORMAT);
    field->picker = CreateWindowExA(0, DATETIMEPICK_CLASSA, "", style, 0, 0, create.cx, create.cy, window,
        reinterpret_cast<HMENU>(kPickerId), Module(), nullptr);
    if (!field->picker)
        return -1;
    SendMessageA(field->picker, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SendMessageA(field->picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&field->time));
    return 0;
}

}  // namespace

LRESULT HandleDateTime(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CREATE)
        return Create(window, *reinterpret_cast<CREATESTRUCTA*>(lParam));
    DateTimeField* field = StateOf(window);
    if (!field)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case QVM_SETFIELDS:
        if (!lParam)
            return 0;
        SetFields(*field, reinterpret_cast<const int*>(lParam));
        return 1;
    case QVM_GETFIELDS:
        if (!lParam)
            return 0;
        GetFields(*field, reinterpret_cast<int*>(lParam));
        return 1;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->idFrom == kPickerId && header->code == DTN_DATETIMECHANGE) {
            WPARAM command = MAKEWPARAM(GetDlgCtrlID(window), EN_CHANGE);
            SendMessageA(GetParent(window), WM_COMMAND, command, reinterpret_cast<LPARAM>(window));
        }
        return 0;
    }
    case WM_SIZE: MoveWindow(field->picker, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE); return 0;
    case WM_SETFONT: SendMessageA(field->picker, WM_SETFONT, wParam, lParam); return 0;
    case WM_SETFOCUS: SetFocus(field->picker); return 0;
    case WM_ENABLE: EnableWindow(field->picker, static_cast<BOOL>(wParam)); return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, 0, 0);
        delete field;
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK DateTimeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GuardedMessage<HandleDateTime>(window, message, wParam, lParam);
}

}  // namespace qvctrl
