// CDialog: template creation, the modal loop with its driver seam, OK and Cancel.
#include "dialog.h"

#include "data_exchange.h"
#include "modal_driver.h"
#include "module.h"
#include "win_app.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateName(MAKEINTRESOURCEA(templateId)), m_parent(parent) {}

CDialog::CDialog(const char* templateName, CWnd* parent) : m_templateName(templateName), m_parent(parent) {}

const MessageMap& CDialog::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(), {
        on::Message(WM_INITDIALOG, &CDialog::HandleInitDialog),
        on::Command(IDOK, &CDialog::OnOK),
        on::Command(IDCANCEL, &CDialog::OnCancel),
    });
    return map;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(false);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

HWND CDialog::ModalOwner() const
{
    HWND owner = m_parent ? m_parent->m_hWnd : nullptr;
    if (!owner) {
        CWinApp* app = CWinApp::Get();
        if (app && app->m_pMainWnd)
            owner = app->m_pMainWnd->m_hWnd;
    }
    // A modal window belongs to the top-level window, never to a child.
    while (owner && (GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    return owner && IsWindow(owner) ? owner : nullptr;
}

bool CDialog::Create(CWnd* parent)
{
    if (parent)
        m_parent = parent;
    m_modal = false;
    HINSTANCE module = m_resource ? m_resource : ResourceInstance();
    return CreateDialogWindow(module, m_templateName, m_parent ? m_parent->m_hWnd : nullptr);
}

INT_PTR CDialog::DoModal()
{
    HWND owner = ModalOwner();
    bool reenable = owner && ::IsWindowEnabled(owner);
    if (reenable)
        ::EnableWindow(owner, FALSE);
    m_modal = true;
    m_ended = false;
    m_modalResult = -1;
    HINSTANCE module = m_resource ? m_resource : ResourceInstance();
    if (CreateDialogWindow(module, m_templateName, owner)) {
        if (!m_ended) {
            ::ShowWindow(m_hWnd, SW_SHOW);
            if (ModalDriver* driver = ModalDriver::Current()) {
                driver->Drive(*this);
                if (!m_ended)
                    EndDialog(IDABORT);
            } else {
                MSG message = {};
                while (!m_ended) {
                    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
                        PostQuitMessage(static_cast<int>(message.wParam));
                        EndDialog(IDCANCEL);
                        break;
                    }
                    if (!PreTranslateMessage(message) && !CWnd::WalkPreTranslateTree(m_hWnd, message)) {
                        TranslateMessage(&message);
                        DispatchMessageA(&message);
                    }
                }
            }
        }
    }
    // Give the owner back its input before the dialog goes, so that it becomes active again.
    if (reenable)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        if (owner && GetActiveWindow() == m_hWnd)
            SetActiveWindow(owner);
        DestroyWindow();
    }
    m_modal = false;
    return m_modalResult;
}

void CDialog::EndDialog(int result)
{
    if (m_modal) {
        m_modalResult = result;
        m_ended = true;
    } else {
        DestroyWindow();
    }
}

bool CDialog::PreTranslateMessage(MSG& message)
{
    if (!m_hWnd || message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    if (message.hwnd != m_hWnd && !IsChild(m_hWnd, message.hwnd))
        return false;
    return IsDialogMessageA(m_hWnd, &message) != FALSE;
}

bool CDialog::OnCmdMsg(CommandRequest& request)
{
    if (CWnd::OnCmdMsg(request))
        return true;
    CWinApp* app = CWinApp::Get();
    return app && app->OnCmdMsg(request);
}
