// CDialog: template creation, the modal loop with its driver seam, OK and Cancel.
#include "dialog.h"

#include "data_exchange.h"
#include "dialog_item_cmd_ui.h"
#include "framework_ids.h"
#include "modal_driver.h"
#include "modal_loop.h"
#include "module.h"
#include "win_app.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateName(MAKEINTRESOURCEA(templateId)), m_parent(parent)
{
}

CDialog::CDialog(const char* templateName, CWnd* parent) : m_templateName(templateName), m_parent(parent)
{
}

const MessageMap& CDialog::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::Message(WM_INITDIALOG, &CDialog::HandleInitDialog),
            on::Command(IDOK, &CDialog::OnOK),
            on::Command(IDCANCEL, &CDialog::OnCancel),
            on::Message(WM_IDLEUPDATECMDUI, &CDialog::OnIdleUpdateControls),
        });
    return map;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    return OnInitDialog();
}

LRESULT CDialog::OnIdleUpdateControls(WPARAM, LPARAM)
{
    UpdateDialogControls(m_hWnd, *this);
    return 0;
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
    ModalOwnerLock lock(ModalOwnerFor(m_parent));
    const HWND owner = lock.Owner();
    m_modal = true;
    m_ended = false;
    m_modalResult = -1;
    HINSTANCE module = m_resource ? m_resource : ResourceInstance();
    if (CreateDialogWindow(module, m_templateName, owner) && !m_ended) {
        ::ShowWindow(m_hWnd, SW_SHOW);
        if (ModalDriver* driver = ModalDriver::Current()) {
            driver->Drive(*this);
            if (!m_ended)
                EndDialog(IDABORT);
        } else if (!RunModalLoop(*this, ModalKeys::WindowAndTree, [this] { return m_ended; })) {
            EndDialog(IDCANCEL);
        }
    }
    lock.Release();
    if (m_hWnd) {
        SetWindowPos(
            m_hWnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
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
