// The modal loop of dialogs and property sheets.
#include "modal_loop.h"

#include "dialog_item_cmd_ui.h"
#include "win_app.h"
#include "wnd.h"

HWND ModalOwnerFor(const CWnd* parent)
{
    HWND owner = parent ? parent->m_hWnd : nullptr;
    if (!owner) {
        CWinApp* app = CWinApp::Get();
        if (app && app->m_pMainWnd)
            owner = app->m_pMainWnd->m_hWnd;
    }
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    return owner && IsWindow(owner) ? owner : nullptr;
}

ModalOwnerLock::ModalOwnerLock(HWND owner) : m_owner(owner), m_reenable(owner && ::IsWindowEnabled(owner))
{
    if (m_reenable)
        ::EnableWindow(owner, FALSE);
}

ModalOwnerLock::~ModalOwnerLock()
{
    Release();
}

void ModalOwnerLock::Release()
{
    if (m_reenable && IsWindow(m_owner))
        ::EnableWindow(m_owner, TRUE);
    m_reenable = false;
}

bool RunModalLoop(CWnd& modal, ModalKeys keys, const std::function<bool()>& ended)
{
    MSG message = {};
    RunIdleUpdate(modal.m_hWnd);
    bool idle = false;
    while (!ended()) {
        if (idle && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            RunIdleUpdate(modal.m_hWnd);
            idle = false;
            continue;
        }
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        bool translated = modal.PreTranslateMessage(message);
        if (!translated && keys == ModalKeys::WindowAndTree)
            translated = CWnd::WalkPreTranslateTree(modal.m_hWnd, message);
        if (!translated) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        // Timer ticks and paints come too often to restart the idle pass.
        if (message.message != WM_TIMER && message.message != WM_PAINT && message.message != WM_MOUSEMOVE)
            idle = true;
    }
    return true;
}
