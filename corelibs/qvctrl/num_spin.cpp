// QVNumSpin: a numeric edit field with a spin, its range, its value and the clamping of typed text.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "library.h"
#include "qvctrl.h"

namespace qvctrl {
namespace {

constexpr int kEditId = 1;
constexpr int kSpinId = 2;
constexpr int kSpinWidth = 16;

struct NumSpin {
    HWND window;
    HWND edit;
    HWND spin;
    int minimum;
    int maximum;
    int value;
    bool rewriting;  // our own text change, not the user's
};

NumSpin* StateOf(HWND window)
{
    return reinterpret_cast<NumSpin*>(GetWindowLongPtrA(window, 0));
}

int Clamp(const NumSpin& spin, int value)
{
    if (value < spin.minimum)
        return spin.minimum;
    if (value > spin.maximum)
        return spin.maximum;
    return value;
}

// The number typed, when the whole text is one (a lone "-" or an empty field is none).
bool ParseText(HWND edit, long& number)
{
    char text[32] = {};
    GetWindowTextA(edit, text, sizeof text);
    if (!text[0])
        return false;
    char* end = nullptr;
    number = std::strtol(text, &end, 10);
    return end && *end == '\0' && end != text && !(text[0] == '-' && text[1] == '\0');
}

void ShowValue(NumSpin& spin)
{
    spin.rewriting = true;
    SetWindowTextA(spin.edit, std::to_string(spin.value).c_str());
    SendMessageA(spin.spin, UDM_SETPOS32, 0, spin.value);
    int length = GetWindowTextLengthA(spin.edit);
    SendMessageA(spin.edit, EM_SETSEL, static_cast<WPARAM>(length), length);
    spin.rewriting = false;
}

// Takes what was typed into the value; `final` also clamps below the minimum (the user may
// still be typing the first digits of a larger number until the field is left).
void TakeTypedValue(NumSpin& spin, bool final)
{
    long number = 0;
    if (!ParseText(spin.edit, number)) {
        if (final)
            ShowValue(spin);
        return;
    }
    long clamped = number;
    if (clamped > spin.maximum)
        clamped = spin.maximum;
    if (final && clamped < spin.minimum)
        clamped = spin.minimum;
    if (clamped >= spin.minimum)
        spin.value = static_cast<int>(clamped);
    if (clamped != number || final)
        ShowValue(spin);
}

void NotifyParent(NumSpin& spin, WORD code)
{
    HWND parent = GetParent(spin.window);
    WPARAM wParam = MAKEWPARAM(GetDlgCtrlID(spin.window), code);
    SendMessageA(parent, WM_COMMAND, wParam, reinterpret_cast<LPARAM>(spin.window));
}

void ApplyStyle(NumSpin& spin)
{
    LONG style = GetWindowLongA(spin.edit, GWL_STYLE) & ~(ES_NUMBER);
    if (spin.minimum >= 0)
        style |= ES_NUMBER;  // no sign can be needed
    SetWindowLongA(spin.edit, GWL_STYLE, style);
}

LRESULT Create(HWND window)
{
    EnsureCommonControls();
    auto* spin = new NumSpin {window, nullptr, nullptr, 0, 100, 0, false};
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(spin));
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    bool justified = Justified3D();
    DWORD editStyle =
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_NUMBER | (justified ? ES_RIGHT : ES_LEFT | WS_BORDER);
    spin->edit = CreateWindowExA(justified ? WS_EX_CLIENTEDGE : 0, "EDIT", "0", editStyle, 0, 0, 10, 10, window,
        reinterpret_cast<HMENU>(kEditId), Module(), nullptr);
    spin->spin =
        CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
            0, 0, 10, 10, window, reinterpret_cast<HMENU>(kSpinId), Module(), nullptr);
    if (!spin->edit || !spin->spin)
        return -1;
    SendMessageA(spin->spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(spin->edit), 0);
    SendMessageA(spin->spin, UDM_SETRANGE32, static_cast<WPARAM>(spin->minimum), spin->maximum);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(spin->edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowValue(*spin);
    return 0;
}

void Layout(NumSpin& spin, int width, int height)
{
    int editWidth = width > kSpinWidth ? width - kSpinWidth : 0;
    MoveWindow(spin.edit, 0, 0, editWidth, height, TRUE);
    MoveWindow(spin.spin, editWidth, 0, width - editWidth, height, TRUE);
}

}  // namespace

LRESULT HandleNumSpin(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    NumSpin* spin = StateOf(window);
    if (message == WM_CREATE)
        return Create(window);
    if (!spin)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case QVM_SETRANGE: {
        int low = static_cast<short>(LOWORD(lParam));
        int high = static_cast<short>(HIWORD(lParam));
        spin->minimum = low < high ? low : high;
        spin->maximum = low < high ? high : low;
        SendMessageA(spin->spin, UDM_SETRANGE32, static_cast<WPARAM>(spin->minimum), spin->maximum);
        ApplyStyle(*spin);
        spin->value = Clamp(*spin, spin->value);
        ShowValue(*spin);
        return 1;
    }
    case QVM_SETVALUE:
        spin->value = Clamp(*spin, static_cast<int>(wParam));
        ShowValue(*spin);
        return spin->value;
    case QVM_GETVALUE: TakeTypedValue(*spin, true); return spin->value;
    case WM_COMMAND:
        if (LOWORD(wParam) == kEditId && !spin->rewriting) {
            if (HIWORD(wParam) == EN_CHANGE) {
                TakeTypedValue(*spin, false);
                NotifyParent(*spin, EN_CHANGE);
            } else if (HIWORD(wParam) == EN_KILLFOCUS) {
                TakeTypedValue(*spin, true);
                NotifyParent(*spin, EN_KILLFOCUS);
            }
        }
        return 0;
    case WM_SIZE: Layout(*spin, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SETFONT: SendMessageA(spin->edit, WM_SETFONT, wParam, lParam); return 0;
    case WM_GETFONT: return SendMessageA(spin->edit, WM_GETFONT, 0, 0);
    case WM_SETFOCUS: SetFocus(spin->edit); return 0;
    case WM_ENABLE:
        EnableWindow(spin->edit, static_cast<BOOL>(wParam));
        EnableWindow(spin->spin, static_cast<BOOL>(wParam));
        return 0;
    case WM_SETTEXT: {
        // A template's text, when it is a number, is the starting value.
        DefWindowProcA(window, message, wParam, lParam);
        const char* text = reinterpret_cast<const char*>(lParam);
        char* end = nullptr;
        long number = text ? std::strtol(text, &end, 10) : 0;
        if (text && *text && end && *end == '\0') {
            spin->value = Clamp(*spin, static_cast<int>(number));
            ShowValue(*spin);
        }
        return TRUE;
    }
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, 0, 0);
        delete spin;
        return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK NumSpinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GuardedMessage<HandleNumSpin>(window, message, wParam, lParam);
}

}  // namespace qvctrl
