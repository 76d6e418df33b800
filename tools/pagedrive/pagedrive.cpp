// PAGEDRIVE.EXE: works the controls of the Alert Manager's page on show, or of the dialog in
// front of it, as a person would, so that a script can fill a page and take its picture.
//   PAGEDRIVE key VK [N]        presses key VK (a number) N times in the page's browse tree
//   PAGEDRIVE click ID          clicks the button ID of the dialog in front, else of the page
//   PAGEDRIVE line ID N         selects line N of list ID and double-clicks it (posted)
//   PAGEDRIVE text ID TEXT      types TEXT into control ID of the dialog in front
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    int id;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    if (!IsWindowVisible(window))
        return TRUE;
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    const bool idMatches = search->id < 0 || GetDlgCtrlID(window) == search->id;
    const bool classMatches = !search->className || lstrcmpiA(className, search->className) == 0;
    if (idMatches && classMatches) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindIn(HWND root, int id, const char* className = nullptr)
{
    Search search {id, className, nullptr};
    EnumChildWindows(root, FindVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Frame()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (HWND frame = FindWindowA("VexFrame", "Alert Manager"))
            return frame;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: PAGEDRIVE key VK [N] | click ID | line ID N | text ID TEXT\n");
        return 2;
    }
    HWND frame = Frame();
    if (!frame) {
        std::fprintf(stderr, "PAGEDRIVE: no Alert Manager window\n");
        return 1;
    }
    HWND front = GetLastActivePopup(frame);
    const char* verb = argv[1];
    const int number = std::atoi(argv[2]);
    if (std::strcmp(verb, "key") == 0) {
        HWND tree = FindIn(frame, -1, "SysTreeView32");
        if (!tree)
            return 1;
        // The tree moves from its selection; without one, from its first item.
        if (!SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0))
            SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
        const int times = argc > 3 ? std::atoi(argv[3]) : 1;
        for (int i = 0; i < times; ++i) {
            SendMessageA(tree, WM_KEYDOWN, static_cast<WPARAM>(number), 0);
            SendMessageA(tree, WM_KEYUP, static_cast<WPARAM>(number), 0);
        }
    } else if (std::strcmp(verb, "click") == 0) {
        HWND button = front != frame ? GetDlgItem(front, number) : nullptr;
        if (!button)
            button = FindIn(frame, number);
        if (!button)
            return 1;
        PostMessageA(button, BM_CLICK, 0, 0);
    } else if (std::strcmp(verb, "line") == 0 && argc > 3) {
        HWND list = FindIn(frame, number);
        if (!list)
            return 1;
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(std::atoi(argv[3])), 0);
        PostMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(number, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
    } else if (std::strcmp(verb, "text") == 0 && argc > 3) {
        HWND control = GetDlgItem(front, number);
        if (!control)
            return 1;
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[3]));
    } else {
        return 2;
    }
    return 0;
}
