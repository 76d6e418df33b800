// CFrameWnd: layout of control bars, menus and their command states, the command chain.
#include "frame_wnd.h"

#include <algorithm>
#include <commctrl.h>

#include "cmd_ui.h"
#include "control_bar.h"
#include "framework_ids.h"
#include "module.h"
#include "status_bar.h"
#include "view.h"
#include "win_app.h"

namespace {

const char kFrameClass[] = "VexFrame";

}  // namespace

const RECT CFrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

CFrameWnd::~CFrameWnd()
{
    // The menu bar's menu goes with the window; only a menu no longer shown is ours to free.
    if (m_createdMenu && (!m_hWnd || GetMenu(m_hWnd) != m_createdMenu))
        DestroyMenu(m_createdMenu);
}

const MessageMap& CFrameWnd::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::Size(&CFrameWnd::OnSize),
            on::Message(WM_INITMENUPOPUP, &CFrameWnd::OnInitMenuPopup),
            on::Message(WM_MENUSELECT, &CFrameWnd::OnMenuSelect),
            on::Message(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdate),
            on::SetFocus(&CFrameWnd::OnSetFocus),
            on::Destroy(&CFrameWnd::OnDestroy),
            on::CommandRange(ID_VIEW_TOOLBAR, ID_VIEW_TOOLBAR + 31, &CFrameWnd::OnBarCheck),
            on::UpdateCommandRange(ID_VIEW_TOOLBAR, ID_VIEW_TOOLBAR + 31, &CFrameWnd::OnUpdateBarCheck),
            on::UpdateCommandRange(ID_INDICATOR_CAPS, ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator),
        });
    return map;
}

bool CFrameWnd::Create(
    const char* className, const char* title, DWORD style, const RECT& rect, CWnd* parent, UINT menuId, DWORD exStyle)
{
    if (!className) {
        RegisterWindowClass(kFrameClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, LoadCursor(nullptr, IDC_ARROW),
            reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        className = kFrameClass;
    }
    HMENU menu = nullptr;
    if (menuId) {
        menu = LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(menuId));
        if (!menu)
            return false;
    }
    HWND parentWindow = parent ? parent->m_hWnd : nullptr;
    UINT idOrMenu = static_cast<UINT>(reinterpret_cast<UINT_PTR>(menu));
    if (!CreateEx(exStyle, className, title, style, rect, parentWindow, idOrMenu)) {
        if (menu)
            DestroyMenu(menu);
        return false;
    }
    m_createdMenu = menu;
    return true;
}

HMENU CFrameWnd::SwapMenu(HMENU menu)
{
    HMENU old = GetMenu(m_hWnd);
    if (old == menu)
        return old;
    SetMenu(m_hWnd, menu);
    DrawMenuBar(m_hWnd);
    return old;
}

bool CFrameWnd::LoadAccelTable(UINT id)
{
    m_accelerators = LoadAcceleratorsA(ResourceInstance(), MAKEINTRESOURCEA(id));
    return m_accelerators != nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* bar)
{
    if (std::find(m_bars.begin(), m_bars.end(), bar) == m_bars.end())
        m_bars.push_back(bar);
}

void CFrameWnd::RemoveControlBar(CControlBar* bar)
{
    m_bars.erase(std::remove(m_bars.begin(), m_bars.end(), bar), m_bars.end());
}

CControlBar* CFrameWnd::GetControlBar(UINT id) const
{
    for (CControlBar* bar : m_bars) {
        if (bar->m_hWnd && bar->GetBarId() == id)
            return bar;
    }
    return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* bar, bool show)
{
    if (!bar || !bar->m_hWnd)
        return;
    bar->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
}

RECT CFrameWnd::RepositionBars()
{
    RECT area = GetClientRect();
    for (CControlBar* bar : m_bars) {
        if (!bar->m_hWnd || !bar->IsShown())
            continue;
        int height = bar->CalcHeight();
        int width = area.right - area.left;
        if (bar->IsAlignedTop()) {
            bar->MoveWindow(area.left, area.top, width, height);
            area.top += height;
        } else {
            bar->MoveWindow(area.left, area.bottom - height, width, height);
            area.bottom -= height;
        }
    }
    if (area.bottom < area.top)
        area.bottom = area.top;
    return area;
}

void CFrameWnd::RecalcLayout()
{
    if (!m_hWnd)
        return;
    LayoutClientArea(RepositionBars());
}

void CFrameWnd::LayoutClientArea(const RECT& area)
{
    HWND view = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (!view && m_pActiveView)
        view = m_pActiveView->m_hWnd;
    if (view)
        ::MoveWindow(view, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void CFrameWnd::SetActiveView(CView* view)
{
    m_pActiveView = view;
}

void CFrameWnd::SetMessageText(const std::string& text)
{
    for (CControlBar* bar : m_bars) {
        if (auto* status = dynamic_cast<CStatusBar*>(bar)) {
            int index = status->CommandToIndex(ID_SEPARATOR);
            status->SetPaneText(index < 0 ? 0 : index, text);
            return;
        }
    }
}

void CFrameWnd::SetMessageText(UINT id)
{
    SetMessageText(PromptPart(LoadResString(id), false));
}

void CFrameWnd::UpdateCommandStates()
{
    for (CControlBar* bar : m_bars) {
        if (bar->m_hWnd)
            bar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    }
}

bool CFrameWnd::OnCmdMsg(CommandRequest& request)
{
    if (m_pActiveView && m_pActiveView->OnCmdMsg(request))
        return true;
    if (CWnd::OnCmdMsg(request))
        return true;
    CWinApp* app = CWinApp::Get();
    return app && app->OnCmdMsg(request);
}

bool CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    UINT code = HIWORD(wParam);
    // A menu item or accelerator whose command is disabled now does nothing: an accelerator
    // reaches here even while its menu item is greyed.
    if (!lParam && code <= 1 && !IsCommandEnabled(*this, id))
        return true;
    return CWnd::OnCommand(wParam, lParam);
}

bool CFrameWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header && header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        static std::string tip;
        tip = PromptPart(LoadResString(static_cast<UINT>(header->idFrom)), true);
        info->lpszText = const_cast<char*>(tip.c_str());
        result = 0;
        return true;
    }
    return CWnd::OnNotify(wParam, lParam, result);
}

void CFrameWnd::OnSize(UINT type, int, int)
{
    Default();
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

LRESULT CFrameWnd::OnInitMenuPopup(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(lParam))
        return Default();  // the system menu
    UpdateMenuCommands(reinterpret_cast<HMENU>(wParam), *this, m_bAutoMenuEnable);
    return 0;
}

LRESULT CFrameWnd::OnMenuSelect(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && !lParam) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);  // the menu closed
        return 0;
    }
    if (!(flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) && id)
        SetMessageText(id);
    return 0;
}

LRESULT CFrameWnd::OnIdleUpdate(WPARAM, LPARAM)
{
    return 0;
}

void CFrameWnd::OnSetFocus(HWND old)
{
    if (m_pActiveView && m_pActiveView->m_hWnd)
        m_pActiveView->SetFocus();
    else
        Default();
    (void)old;
}

void CFrameWnd::OnDestroy()
{
    CWinApp* app = CWinApp::Get();
    if (app && app->m_pMainWnd == this)
        PostQuitMessage(0);
    Default();
}

void CFrameWnd::OnBarCheck(UINT id)
{
    if (CControlBar* bar = GetControlBar(id))
        ShowControlBar(bar, !bar->IsShown());
}

void CFrameWnd::OnUpdateBarCheck(CCmdUI& ui)
{
    CControlBar* bar = GetControlBar(ui.m_nID);
    ui.Enable(bar != nullptr);
    ui.SetCheck(bar && bar->IsShown() ? 1 : 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI& ui)
{
    int key = ui.m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL : ui.m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK : VK_SCROLL;
    ui.Enable((GetKeyState(key) & 1) != 0);
}

bool CFrameWnd::PreTranslateMessage(MSG& message)
{
    if (m_accelerators && message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST)
        return TranslateAcceleratorA(m_hWnd, m_accelerators, &message) != 0;
    return false;
}
