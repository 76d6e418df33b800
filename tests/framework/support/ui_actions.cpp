// Acting on windows in tests.
#include "ui_actions.h"

void Click(HWND parent, int id)
{
    HWND button = GetDlgItem(parent, id);
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void TypeText(HWND parent, int id, const std::string& text)
{
    SetDlgItemTextA(parent, id, text.c_str());
}

void FlushMessages()
{
    MSG message;
    for (int round = 0; round < 1000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++round) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool IsItemEnabled(HWND parent, int id)
{
    HWND item = GetDlgItem(parent, id);
    return item && IsWindowEnabled(item);
}
