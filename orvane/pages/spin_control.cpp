// The up-down controls of the recipient editors.
#include "spin_control.h"

#include <commctrl.h>

void RegisterSpinClass()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

void SetUpSpin(HWND spin, HWND buddy, int minimum, int maximum, int position)
{
    if (!spin)
        return;
    if (buddy)
        SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageA(spin, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    SendMessageA(spin, UDM_SETPOS32, 0, position);
}

int SpinPosition(HWND spin, int fallback)
{
    if (!spin)
        return fallback;
    return static_cast<int>(SendMessageA(spin, UDM_GETPOS32, 0, 0));
}
