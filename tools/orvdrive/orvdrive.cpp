// ORVDRIVE.EXE: sends a command, or arrow keys to the tab window on show, to the running
// Alert Manager, so that a script can walk its pages and take a picture of each.
//   ORVDRIVE command ID    sends WM_COMMAND ID to the frame and waits until it is handled
//   ORVDRIVE post ID       posts WM_COMMAND ID (for commands that open a modal dialog)
//   ORVDRIVE close         cancels the dialog or message box in front of the frame
//   ORVDRIVE ok            presses OK in the dialog in front of the frame
//   ORVDRIVE type ID TEXT  puts TEXT into control ID of the dialog in front
//   ORVDRIVE pick ID ROW BUTTON  selects the row ROW of list ID in the dialog in front, then presses BUTTON
//   ORVDRIVE right N       presses the right arrow N times in the tab window on show
//   ORVDRIVE minimise | restore
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND FindFrame()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        // By class alone: the title carries the administered computer's name.
        if (HWND frame = FindWindowA("VexFrame", nullptr))
            return frame;
        Sleep(100);
    }
    return nullptr;
}

// The dialog in front of the frame, or null (with a message) when there is none.
HWND FrontDialog(HWND frame)
{
    HWND popup = GetLastActivePopup(frame);
    if (popup == frame) {
        std::fprintf(stderr, "ORVDRIVE: no dialog in front of the Alert Manager\n");
        return nullptr;
    }
    return popup;
}

void Press(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND VisibleTabWindow(HWND frame)
{
    for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (std::strcmp(className, "ASTabWnd") == 0 && IsWindowVisible(child))
            return child;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr,
            "usage: ORVDRIVE command ID | post ID | close | ok | type ID TEXT | pick ID ROW BUTTON | right N | "
            "minimise | restore\n");
        return 2;
    }
    HWND frame = FindFrame();
    if (!frame) {
        std::fprintf(stderr, "ORVDRIVE: no Alert Manager window\n");
        return 1;
    }
    const char* verb = argv[1];
    const int number = argc > 2 ? std::atoi(argv[2]) : 0;
    if (std::strcmp(verb, "command") == 0) {
        SendMessageA(frame, WM_COMMAND, static_cast<WPARAM>(number), 0);
    } else if (std::strcmp(verb, "post") == 0) {
        PostMessageA(frame, WM_COMMAND, static_cast<WPARAM>(number), 0);
    } else if (std::strcmp(verb, "close") == 0) {
        HWND popup = GetLastActivePopup(frame);
        if (popup == frame) {
            std::fprintf(stderr, "ORVDRIVE: no dialog in front of the Alert Manager\n");
            return 1;
        }
        // A message box with only an OK button has no Cancel to press.
        PostMessageA(popup, WM_COMMAND, GetDlgItem(popup, IDCANCEL) ? IDCANCEL : IDOK, 0);
    } else if (std::strcmp(verb, "ok") == 0) {
        HWND dialog = FrontDialog(frame);
        if (!dialog)
            return 1;
        Press(dialog, IDOK);
    } else if (std::strcmp(verb, "type") == 0 && argc > 3) {
        HWND dialog = FrontDialog(frame);
        if (!dialog)
            return 1;
        SetDlgItemTextA(dialog, number, argv[3]);
    } else if (std::strcmp(verb, "pick") == 0 && argc > 4) {
        HWND dialog = FrontDialog(frame);
        if (!dialog)
            return 1;
        HWND list = GetDlgItem(dialog, number);
        const LRESULT row =
            SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(argv[3]));
        if (row == LB_ERR) {
            std::fprintf(stderr, "ORVDRIVE: no row %s\n", argv[3]);
            return 1;
        }
        // A list of either kind: one with several selections takes LB_SETSEL.
        if (GetWindowLongA(list, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
            SendMessageA(list, LB_SETSEL, FALSE, -1);
            SendMessageA(list, LB_SETSEL, TRUE, row);
        } else {
            SendMessageA(list, LB_SETCURSEL, row, 0);
        }
        Press(dialog, std::atoi(argv[4]));
    } else if (std::strcmp(verb, "right") == 0) {
        HWND tab = VisibleTabWindow(frame);
        if (!tab) {
            std::fprintf(stderr, "ORVDRIVE: no tab window on show\n");
            return 1;
        }
        for (int i = 0; i < number; ++i)
            SendMessageA(tab, WM_KEYDOWN, VK_RIGHT, 1);
    } else if (std::strcmp(verb, "minimise") == 0) {
        ShowWindow(frame, SW_MINIMIZE);
    } else if (std::strcmp(verb, "restore") == 0) {
        ShowWindow(frame, SW_RESTORE);
    } else {
        std::fprintf(stderr, "ORVDRIVE: unknown verb %s\n", verb);
        return 2;
    }
    return 0;
}
