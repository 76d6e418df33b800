// TABGALRY.EXE: a tab window holding seven pages, for looking at what a person would see.
#include <windows.h>

#include <memory>
#include <vector>

#include "admin_fv.h"
#include "as_tab_wnd.h"
#include "tab_test_resource.h"

namespace {

class CGalleryPage : public CAdminFV {
public:
    CGalleryPage() : CAdminFV(IDD_TAB_TEST_PAGE) {}
};

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = GalleryProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "TabGallery";
    RegisterClassA(&windowClass);
    HWND frame = CreateWindowExA(0, "TabGallery", "Tab window", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                                 20, 20, 560, 320, nullptr, nullptr, instance, nullptr);
    RECT client = {};
    GetClientRect(frame, &client);

    const char* captions[] = {"Summary", "Broadcast", "Pager", "SNMP", "Trouble Ticket", "Email", "Event Log"};
    CASTabWnd tab;
    tab.Create(frame, client, 1, 7);
    std::vector<std::unique_ptr<CGalleryPage>> pages;
    for (int i = 0; i < 7; ++i) {
        pages.push_back(std::make_unique<CGalleryPage>());
        pages.back()->CreateInTab(tab, i);
        pages.back()->SetDlgItemText(IDC_TEST_EDIT, captions[i]);
        pages.back()->SetDlgItemText(IDC_TEST_READONLY, "read-only");
        tab.SetTab(i, -1, captions[i], pages.back()->m_hWnd, i != 5);
    }
    tab.Select(2);
    tab.SetFocus();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
