// CWnd: binding objects to windows, the framework's window procedure and dispatch through the map.
#include "wnd.h"

#include <exception>
#include <unordered_map>
#include <vector>

#include "edit_control.h"
#include "module.h"

namespace {

const char kDefaultClass[] = "VexWnd";

std::unordered_map<HWND, CWnd*>& HandleMap()
{
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}

thread_local CWnd* t_creating = nullptr;

BOOL CALLBACK SendToChild(HWND child, LPARAM context)
{
    auto* message = reinterpret_cast<const MSG*>(context);
    SendMessageA(child, message->message, message->wParam, message->lParam);
    return TRUE;
}

}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_hWnd) {
        HWND window = m_hWnd;
        bool owned = m_ownsWindow;
        // The window outlives a detached object only when it was not ours to destroy.
        if (m_superProc)
            UnsubclassWindow();
        else
            Detach();
        if (owned && IsWindow(window))
            ::DestroyWindow(window);
    }
}

bool CWnd::Attach(HWND window)
{
    if (!window || m_hWnd || FromHandlePermanent(window))
        return false;
    m_hWnd = window;
    HandleMap()[window] = this;
    return true;
}

HWND CWnd::Detach()
{
    HWND window = m_hWnd;
    if (window)
        HandleMap().erase(window);
    m_hWnd = nullptr;
    m_ownsWindow = false;
    return window;
}

std::vector<HWND> CWnd::PermanentWindows()
{
    std::vector<HWND> windows;
    windows.reserve(HandleMap().size());
    for (const auto& entry : HandleMap())
        windows.push_back(entry.first);
    return windows;
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    auto found = HandleMap().find(window);
    return found == HandleMap().end() ? nullptr : found->second;
}

bool CWnd::SubclassWindow(HWND window)
{
    if (!Attach(window))
        return false;
    m_superProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::FrameworkWndProc)));
    if (m_superProc == &CWnd::FrameworkWndProc)
        m_superProc = nullptr;  // a window of our own class needs no second pass
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND item = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
    return item && SubclassWindow(item);
}

HWND CWnd::UnsubclassWindow()
{
    if (m_superProc && m_hWnd)
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    m_superProc = nullptr;
    return Detach();
}

void CWnd::SetCreating(CWnd* wnd)
{
    t_creating = wnd;
}

bool CWnd::RegisterWindowClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon)
{
    WNDCLASSA existing = {};
    if (GetClassInfoA(ModuleInstance(), name, &existing))
        return true;
    WNDCLASSA windowClass = {};
    windowClass.style = style;
    windowClass.lpfnWndProc = &CWnd::FrameworkWndProc;
    windowClass.hInstance = ModuleInstance();
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

const char* CWnd::DefaultClassName()
{
    RegisterWindowClass(kDefaultClass, CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), nullptr);
    return kDefaultClass;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
    UINT idOrMenu, void* param)
{
    if (m_hWnd)
        return false;
    int x = rect.left, y = rect.top, width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (rect.left == CW_USEDEFAULT)
        x = y = width = height = CW_USEDEFAULT;
    SetCreating(this);
    HWND window = CreateWindowExA(exStyle, className ? className : DefaultClassName(), title ? title : "", style, x, y,
        width, height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(idOrMenu)), ModuleInstance(), param);
    SetCreating(nullptr);
    return TakeCreated(window);
}

bool CWnd::TakeCreated(HWND window)
{
    if (!window) {
        // A WM_CREATE or WM_INITDIALOG that refused destroys the window; the object stays unbound.
        if (m_hWnd)
            Detach();
        return false;
    }
    if (!m_hWnd)
        SubclassWindow(window);
    m_ownsWindow = true;
    return true;
}

bool CWnd::Create(const char* className, const char* title, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, className, title, style | WS_CHILD, rect, parent ? parent->m_hWnd : nullptr, id);
}

BOOL CWnd::DestroyWindow()
{
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam) const
{
    MSG packed = {};
    packed.message = message;
    packed.wParam = wParam;
    packed.lParam = lParam;
    EnumChildWindows(m_hWnd, SendToChild, reinterpret_cast<LPARAM>(&packed));
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT milliseconds)
{
    return ::SetTimer(m_hWnd, id, milliseconds, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return ::KillTimer(m_hWnd, id);
}

void CWnd::SetFont(HFONT font, bool redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}

HFONT CWnd::GetFont() const
{
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

void CWnd::SetWindowText(const std::string& text)
{
    ::SetWindowTextA(m_hWnd, text.c_str());
}

std::string CWnd::GetWindowText() const
{
    return WindowText(m_hWnd);
}

HWND CWnd::GetDlgItem(int id) const
{
    return ::GetDlgItem(m_hWnd, id);
}

std::string CWnd::GetDlgItemText(int id) const
{
    return WindowText(GetDlgItem(id));
}

void CWnd::SetDlgItemText(int id, const std::string& text)
{
    ::SetDlgItemTextA(m_hWnd, id, text.c_str());
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    ::CheckDlgButton(m_hWnd, id, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    return ::IsDlgButtonChecked(m_hWnd, id);
}

void CWnd::EnableDlgItem(int id, bool enable)
{
    if (HWND item = GetDlgItem(id))
        ::EnableWindow(item, enable);
}

RECT CWnd::GetClientRect() const
{
    RECT rect = {};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect = {};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

void CWnd::MoveWindow(const RECT& rect, bool repaint)
{
    ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

void CWnd::MoveWindow(int x, int y, int width, int height, bool repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

BOOL CWnd::ShowWindow(int command)
{
    return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::EnableWindow(bool enable)
{
    return ::EnableWindow(m_hWnd, enable);
}

bool CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd) != FALSE;
}

bool CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd) != FALSE;
}

void CWnd::Invalidate(bool erase)
{
    InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

HWND CWnd::SetFocus()
{
    return ::SetFocus(m_hWnd);
}

HWND CWnd::GetParent() const
{
    return ::GetParent(m_hWnd);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

void CWnd::CenterWindow(HWND alternate)
{
    HWND center = alternate;
    DWORD style = GetWindowLongA(m_hWnd, GWL_STYLE);
    if (!center)
        center = (style & WS_CHILD) ? ::GetParent(m_hWnd) : GetWindow(m_hWnd, GW_OWNER);
    RECT screen = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    RECT area = screen;
    if (center && !(style & WS_CHILD) && ::IsWindowVisible(center) && !IsIconic(center))
        ::GetWindowRect(center, &area);
    else if (center && (style & WS_CHILD))
        ::GetClientRect(center, &area);

    RECT own = GetWindowRect();
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int left = (area.left + area.right) / 2 - width / 2;
    int top = (area.top + area.bottom) / 2 - height / 2;
    if (!(style & WS_CHILD)) {
        // Keep a popup on the screen.
        if (left + width > screen.right)
            left = screen.right - width;
        if (left < screen.left)
            left = screen.left;
        if (top + height > screen.bottom)
            top = screen.bottom - height;
        if (top < screen.top)
            top = screen.top;
    }
    SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CWnd::PreTranslateMessage(MSG&)
{
    return false;
}

bool CWnd::WalkPreTranslateTree(HWND stop, MSG& message)
{
    for (HWND window = message.hwnd; window; window = ::GetParent(window)) {
        if (CWnd* wnd = FromHandlePermanent(window)) {
            if (wnd->PreTranslateMessage(message))
                return true;
        }
        if (window == stop)
            break;
    }
    return false;
}

LRESULT CALLBACK CWnd::FrameworkWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(window);
    if (!wnd) {
        wnd = t_creating;
        if (!wnd)
            return ::DefWindowProcA(window, message, wParam, lParam);
        t_creating = nullptr;
        try {
            wnd->Attach(window);
        } catch (const std::exception& error) {
            // Without its object the window cannot work; refusing creation says so.
            ReportFault("window creation", error.what());
            return message == WM_NCCREATE ? FALSE : ::DefWindowProcA(window, message, wParam, lParam);
        }
    }
    return wnd->RouteMessage(message, wParam, lParam);
}

LRESULT CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    CurrentMessage saved = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportFault("window procedure", error.what());
    } catch (...) {
        ReportFault("window procedure", "unknown exception");
    }
    m_current = saved;
    if (message == WM_NCDESTROY && m_hWnd) {
        if (m_superProc)
            UnsubclassWindow();
        else
            Detach();
        PostNcDestroy();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_COMMAND) {
        result = 0;
        return OnCommand(wParam, lParam);
    }
    if (message == WM_NOTIFY)
        return OnNotify(wParam, lParam, result);
    if (message == WM_DRAWITEM && lParam) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        CWnd* control = item->CtlType == ODT_MENU ? nullptr : FromHandlePermanent(item->hwndItem);
        if (control && control->OnChildNotify(message, wParam, lParam, result))
            return true;
    }
    const MessageEntry* entry = GetMessageMap().FindMessage(message);
    if (!entry)
        return false;
    MessageArgs args {message, wParam, lParam, 0, nullptr, nullptr};
    result = entry->invoke(*this, entry->handler, args);
    return true;
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control) {
        CWnd* child = FromHandlePermanent(control);
        LRESULT ignored = 0;
        if (child && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, ignored))
            return true;
    } else if (code == 1) {
        code = 0;  // an accelerator is a command like a menu item
    }
    CommandRequest request;
    request.id = id;
    request.code = code;
    return OnCmdMsg(request);
}

bool CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT& result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return false;
    CWnd* child = FromHandlePermanent(header->hwndFrom);
    if (child && child != this && child->OnChildNotify(WM_NOTIFY, 0, lParam, result))
        return true;
    CommandRequest request;
    request.id = static_cast<UINT>(header->idFrom);
    request.code = header->code;
    request.header = header;
    if (!OnCmdMsg(request))
        return false;
    result = request.result;
    return true;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_superProc)
        return CallWindowProcA(m_superProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::PostNcDestroy()
{
    if (m_autoDelete)
        delete this;
}
