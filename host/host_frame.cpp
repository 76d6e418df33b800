// HostFrame: the frame and child window procedures, the MDI child requests and the close rule.
#include "host_frame.h"

#include <commctrl.h>

#include "host_resource.h"
#include "panel_resource.h"

using namespace panel_protocol;

namespace {

constexpr const char* kFrameClass = "VxmgrFrame";
constexpr const char* kChildClass = "VxmgrPanelChild";
constexpr const char* kModuleProperty = "VxmgrPanelModule";
constexpr const char* kMenuProperty = "VxmgrPanelMenu";
constexpr int kWindowMenuPosition = 2;

std::string LoadHostString(HINSTANCE instance, UINT id)
{
    char text[256] = {};
    return LoadStringA(instance, id, text, sizeof(text)) > 0 ? text : "";
}

// The popup of `menu` titled "&Window", where the MDI client lists its children.
HMENU WindowSubmenu(HMENU menu)
{
    const int count = menu ? GetMenuItemCount(menu) : 0;
    for (int position = 0; position < count; ++position) {
        char text[64] = {};
        GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
        if (lstrcmpiA(text, "&Window") == 0)
            return GetSubMenu(menu, position);
    }
    return nullptr;
}

}  // namespace

HostFrame::HostFrame(std::vector<LoadedPanel>& panels) : m_panels(panels)
{
}

HostFrame::~HostFrame()
{
    if (m_frame && IsWindow(m_frame)) {
        SetWindowLongPtrA(m_frame, GWLP_USERDATA, 0);
        DestroyWindow(m_frame);
    }
}

bool HostFrame::Create(HINSTANCE instance)
{
    m_instance = instance;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA frameClass = {};
    if (!GetClassInfoA(instance, kFrameClass, &frameClass)) {
        frameClass.lpfnWndProc = &HostFrame::FrameProc;
        frameClass.hInstance = instance;
        frameClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_HOST));
        frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
        frameClass.lpszClassName = kFrameClass;
        if (!RegisterClassA(&frameClass))
            return false;
        WNDCLASSA childClass = {};
        childClass.style = CS_DBLCLKS;
        childClass.lpfnWndProc = &HostFrame::ChildProc;
        childClass.hInstance = instance;
        childClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        childClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        childClass.lpszClassName = kChildClass;
        if (!RegisterClassA(&childClass))
            return false;
    }
    m_menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_HOST_MENU));
    m_windowMenu = GetSubMenu(m_menu, kWindowMenuPosition);
    m_idleText = LoadHostString(instance, IDS_HOST_READY);
    m_frame = CreateWindowExA(0, kFrameClass, LoadHostString(instance, IDS_HOST_TITLE).c_str(),
        WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 900, 640, nullptr, m_menu, instance, this);
    return m_frame != nullptr && m_client != nullptr;
}

LRESULT CALLBACK HostFrame::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<HostFrame*>(create->lpCreateParams);
        self->m_frame = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<HostFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefFrameProcA(window, nullptr, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT HostFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT client = {m_windowMenu, ID_HOST_FIRST_CHILD};
        m_client = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
            WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0, m_frame, nullptr, m_instance,
            &client);
        m_status = CreateWindowExA(0, STATUSCLASSNAMEA, m_idleText.c_str(), WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0,
            0, 0, 0, m_frame, nullptr, m_instance, nullptr);
        return m_client ? 0 : -1;
    }
    case kCreateMdiChild:
        return CreatePanelChild(reinterpret_cast<HMODULE>(wParam), reinterpret_cast<MdiChildRequest*>(lParam));
    case kStatusText: return OnStatusText(wParam, lParam);
    case kStartPanels:
        for (const LoadedPanel& panel : m_panels)
            panel.Send(kStart);
        return 0;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam)))
            return 0;
        break;
    case WM_TIMER:
        if (wParam == kPanelTimer) {
            for (const LoadedPanel& panel : m_panels)
                panel.Send(kTimer);
            return 0;
        }
        break;
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_CLOSE:
        // A panel that must not go now (a scan running) keeps its window: the host stays.
        if (CloseChildren())
            DestroyWindow(m_frame);
        return 0;
    case WM_DESTROY:
        KillTimer(m_frame, kPanelTimer);
        PostQuitMessage(0);
        return 0;
    default: break;
    }
    return DefFrameProcA(m_frame, m_client, message, wParam, lParam);
}

bool HostFrame::OnCommand(UINT id)
{
    if (id >= ID_HOST_PANEL_FIRST && id < ID_HOST_PANEL_FIRST + m_panels.size()) {
        m_panels[id - ID_HOST_PANEL_FIRST].Send(kOpen);
        return true;
    }
    switch (id) {
    case ID_HOST_EXIT: PostMessageA(m_frame, WM_CLOSE, 0, 0); return true;
    case ID_HOST_ABOUT: ShowAbout(); return true;
    case ID_PANEL_WINDOW_CASCADE: SendMessageA(m_client, WM_MDICASCADE, 0, 0); return true;
    case ID_PANEL_WINDOW_TILE: SendMessageA(m_client, WM_MDITILE, MDITILE_HORIZONTAL, 0); return true;
    case ID_PANEL_WINDOW_ARRANGE: SendMessageA(m_client, WM_MDIICONARRANGE, 0, 0); return true;
    default: break;
    }
    // The panel's own commands go to its window.
    HWND active = reinterpret_cast<HWND>(SendMessageA(m_client, WM_MDIGETACTIVE, 0, 0));
    if (active && id < ID_HOST_FIRST_CHILD) {
        SendMessageA(active, WM_COMMAND, id, 0);
        return true;
    }
    return false;
}

LRESULT HostFrame::CreatePanelChild(HMODULE module, MdiChildRequest* request)
{
    if (!request || request->size < sizeof(MdiChildRequest))
        return 0;
    HICON icon = module ? LoadIconA(module, MAKEINTRESOURCEA(request->iconId)) : nullptr;
    if (!icon || !request->title) {
        request->status = kRequestResourceMissing;
        return 0;
    }
    HWND child = CreateMDIWindowA(kChildClass, request->title, request->style & ~WS_VISIBLE, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_client, m_instance, 0);
    if (!child) {
        request->status = kRequestResourceMissing;
        return 0;
    }
    SendMessageA(child, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(child, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SetPropA(child, kModuleProperty, reinterpret_cast<HANDLE>(module));
    // The child owns the plug-in's menu from now on and shows it while it is active; the
    // host's Panels and Help menus stay reachable in it.
    if (request->menu) {
        InsertMenuA(
            request->menu, 1, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(GetSubMenu(m_menu, 1)), "&Panels");
        AppendMenuA(request->menu, MF_POPUP, reinterpret_cast<UINT_PTR>(GetSubMenu(m_menu, 3)), "&Help");
        SetPropA(child, kMenuProperty, reinterpret_cast<HANDLE>(request->menu));
    }
    SetFrameMenuFor(child);
    return reinterpret_cast<LRESULT>(child);
}

LRESULT CALLBACK HostFrame::ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND frame = GetParent(GetParent(window));
    auto* self = frame ? reinterpret_cast<HostFrame*>(GetWindowLongPtrA(frame, GWLP_USERDATA)) : nullptr;
    switch (message) {
    case WM_MDIACTIVATE:
        if (self)
            self->SetFrameMenuFor(reinterpret_cast<HWND>(lParam));
        break;
    case WM_DESTROY: {
        auto menu = reinterpret_cast<HMENU>(RemovePropA(window, kMenuProperty));
        RemovePropA(window, kModuleProperty);
        if (self && menu && GetMenu(self->m_frame) == menu)
            self->SetFrameMenuFor(nullptr);
        if (menu) {
            // The host's own popups are lent, not given: they leave before the menu goes.
            for (int position = GetMenuItemCount(menu) - 1; position >= 0; --position) {
                HMENU popup = GetSubMenu(menu, position);
                if (self && (popup == GetSubMenu(self->m_menu, 1) || popup == GetSubMenu(self->m_menu, 3)))
                    RemoveMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
            }
            DestroyMenu(menu);
        }
        break;
    }
    default: break;
    }
    return DefMDIChildProcA(window, message, wParam, lParam);
}

void HostFrame::SetFrameMenuFor(HWND activeChild)
{
    HMENU menu = activeChild ? reinterpret_cast<HMENU>(GetPropA(activeChild, kMenuProperty)) : nullptr;
    HMENU windowMenu = menu ? WindowSubmenu(menu) : nullptr;
    if (!menu) {
        menu = m_menu;
        windowMenu = m_windowMenu;
    }
    if (GetMenu(m_frame) != menu) {
        SendMessageA(m_client, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu), reinterpret_cast<LPARAM>(windowMenu));
        DrawMenuBar(m_frame);
    }
}

LRESULT HostFrame::OnStatusText(WPARAM wParam, LPARAM lParam)
{
    if (!m_status)
        return 0;
    if (wParam == kStatusIdle)
        return SendMessageA(m_status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(m_idleText.c_str()));
    if (!lParam)
        return 0;
    return SendMessageA(m_status, SB_SETTEXTA, 0, lParam);
}

std::string HostFrame::StatusText() const
{
    char text[512] = {};
    if (m_status)
        SendMessageA(m_status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

void HostFrame::OnSize(int width, int height)
{
    int statusHeight = 0;
    if (m_status) {
        SendMessageA(m_status, WM_SIZE, 0, 0);
        RECT bar = {};
        GetWindowRect(m_status, &bar);
        statusHeight = bar.bottom - bar.top;
    }
    if (m_client)
        MoveWindow(m_client, 0, 0, width, height > statusHeight ? height - statusHeight : 0, TRUE);
}

bool HostFrame::CloseChildren()
{
    HWND child = GetWindow(m_client, GW_CHILD);
    while (child) {
        HWND next = GetWindow(child, GW_HWNDNEXT);
        // Icon titles of minimised children are not children to close.
        if (GetWindow(child, GW_OWNER) == nullptr) {
            SendMessageA(child, WM_CLOSE, 0, 0);
            if (IsWindow(child))
                return false;
        }
        child = next;
    }
    return true;
}

void HostFrame::BuildPanelMenu()
{
    HMENU panelMenu = GetSubMenu(m_menu, 1);
    while (GetMenuItemCount(panelMenu) > 0)
        DeleteMenu(panelMenu, 0, MF_BYPOSITION);
    for (size_t index = 0; index < m_panels.size(); ++index) {
        UINT flags = MF_STRING | (m_panels[index].Available() ? MF_ENABLED : MF_GRAYED);
        AppendMenuA(panelMenu, flags, ID_HOST_PANEL_FIRST + index, m_panels[index].Title().c_str());
    }
    DrawMenuBar(m_frame);
}

void HostFrame::StartPanelTimer()
{
    SetTimer(m_frame, kPanelTimer, kPanelTimerMilliseconds, nullptr);
}

HMODULE HostFrame::PanelModuleOf(HWND child)
{
    return child ? reinterpret_cast<HMODULE>(GetPropA(child, kModuleProperty)) : nullptr;
}

const LoadedPanel* HostFrame::ActivePanel() const
{
    HWND active = reinterpret_cast<HWND>(SendMessageA(m_client, WM_MDIGETACTIVE, 0, 0));
    HMODULE module = PanelModuleOf(active);
    for (const LoadedPanel& panel : m_panels) {
        if (module && panel.Module() == module)
            return &panel;
    }
    return nullptr;
}

namespace {
INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    return FALSE;
}
}  // namespace

void HostFrame::ShowAbout()
{
    DialogBoxParamA(m_instance, MAKEINTRESOURCEA(IDD_HOST_ABOUT), m_frame, &AboutProc, 0);
}
