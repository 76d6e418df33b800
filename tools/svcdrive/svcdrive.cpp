// SVCDRIVE.EXE: finds the Service Manager panel of the running host and acts on it, so that a
// script can show each of its states on a display.
//   svcdrive select 1/0/0   expands and selects the tree item at that path of sibling indexes
//   svcdrive row N          selects row N of the server list
//   svcdrive command ID     sends the panel frame the command (a modal dialog is posted instead)
//   svcdrive maximize       maximises the panel's MDI child
//   svcdrive close          closes the active popup window (a dialog the panel opened)
//   svcdrive press ID       presses button ID of the active popup window (a message box's OK is 1)
//   svcdrive type ID TEXT   puts TEXT into control ID of the active popup window
//   svcdrive toggle 1/0     selects the tree item and presses the space bar (the Local Scanner's selection)
//   svcdrive closepanel     asks the panel's MDI child to close
// With SVCDRIVE_PANEL set to a panel class ("MDIFiller_Quillet") it drives that panel instead.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Search {
    const char* className;
    HWND found;
};

BOOL CALLBACK FindChild(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindInTopLevel(HWND window, LPARAM data)
{
    EnumChildWindows(window, FindChild, data);
    return reinterpret_cast<Search*>(data)->found ? FALSE : TRUE;
}

HWND FindWindowOfClass(const char* className, HWND within = nullptr)
{
    Search search = {className, nullptr};
    if (within)
        EnumChildWindows(within, FindChild, reinterpret_cast<LPARAM>(&search));
    else
        EnumWindows(FindInTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HTREEITEM Next(HWND tree, HTREEITEM item, UINT code)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

bool SelectPath(HWND tree, const char* path)
{
    HTREEITEM item = Next(tree, nullptr, TVGN_ROOT);
    const char* at = path;
    while (item) {
        for (int index = std::atoi(at); index > 0 && item; --index)
            item = Next(tree, item, TVGN_NEXT);
        if (!item)
            return false;
        at = std::strchr(at, '/');
        if (!at)
            break;
        ++at;
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
        item = Next(tree, item, TVGN_CHILD);
    }
    if (!item)
        return false;
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: svcdrive select PATH | row N | command ID | maximize | close | press ID | "
                             "type ID TEXT\n");
        return 2;
    }
    const char* panelClass = std::getenv("SVCDRIVE_PANEL");
    HWND frame = FindWindowOfClass(panelClass && *panelClass ? panelClass : "MDIFiller_Service");
    if (!frame) {
        std::fprintf(stderr, "svcdrive: no such panel\n");
        return 1;
    }
    const std::string verb = argv[1];
    if (verb == "select" && argc > 2)
        return SelectPath(FindWindowOfClass("SysTreeView32", frame), argv[2]) ? 0 : 1;
    if (verb == "toggle" && argc > 2) {
        HWND tree = FindWindowOfClass("SysTreeView32", frame);
        if (!SelectPath(tree, argv[2]))
            return 1;
        PostMessageA(tree, WM_KEYDOWN, VK_SPACE, 1);
        PostMessageA(tree, WM_KEYUP, VK_SPACE, 0xC0000001);
        return 0;
    }
    if (verb == "closepanel") {
        PostMessageA(GetParent(frame), WM_CLOSE, 0, 0);
        return 0;
    }
    if (verb == "row" && argc > 2) {
        // The server list is the first column list of the panel; its rows are in list box 7.
        HWND list = GetDlgItem(FindWindowOfClass("ColList", frame), 7);
        SendMessageA(list, LB_SETCURSEL, std::atoi(argv[2]), 0);
        return 0;
    }
    if (verb == "command" && argc > 2) {
        PostMessageA(frame, WM_COMMAND, std::atoi(argv[2]), 0);
        return 0;
    }
    if (verb == "maximize") {
        HWND child = GetParent(frame);
        SendMessageA(GetParent(child), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
        return 0;
    }
    HWND host = GetAncestor(frame, GA_ROOT);
    HWND popup = GetLastActivePopup(host);
    if (popup == host)
        popup = nullptr;
    if (verb == "close") {
        if (popup)
            PostMessageA(popup, WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    if (verb == "press" && argc > 2) {
        if (!popup)
            return 1;
        const int id = std::atoi(argv[2]);
        PostMessageA(popup, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(popup, id)));
        return 0;
    }
    if (verb == "type" && argc > 3)
        return popup && SetDlgItemTextA(popup, std::atoi(argv[2]), argv[3]) ? 0 : 1;
    std::fprintf(stderr, "svcdrive: unknown request %s\n", verb.c_str());
    return 2;
}
