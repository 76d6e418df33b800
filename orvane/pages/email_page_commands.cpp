// CEmail: sign-in and the address book, attaching and detaching files, the toggle and help.
#include "email_page.h"

#include <cstring>

#include "edit_control.h"
#include "email_ids.h"
#include "list_box.h"
#include "mail_sign_in_dlg.h"
#include "module.h"
#include "prompter.h"
#include "system_dialogs.h"
#include "wait_cursor.h"

namespace {

// The caption and the label go to the address book in buffers of this size, as it always had them.
constexpr std::size_t kAddressTextSize = 32;

std::string AddressText(UINT id)
{
    std::string text = LoadResString(id);
    if (text.size() >= kAddressTextSize)
        text.resize(kAddressTextSize - 1);
    return text;
}

}  // namespace

bool CEmail::SignIn()
{
    for (;;) {
        CMailSignInDlg dialog(this);
        dialog.m_name = mail_record::Text(m_mail.mailbox);
        dialog.m_password = mail_record::Text(m_mail.password);
        if (dialog.DoModal() != IDOK)
            return false;
        ULONG result = 0;
        {
            CWaitCursor wait;
            m_session = 0;
            result = m_mapi->Logon(m_hWnd, nullptr, nullptr, 0, m_session);
            if (result != SUCCESS_SUCCESS) {
                m_session = 0;
                result = m_mapi->Logon(m_hWnd, dialog.m_name.c_str(), dialog.m_password.c_str(),
                    MAPI_LOGON_UI | MAPI_NEW_SESSION, m_session);
            }
        }
        if (result != SUCCESS_SUCCESS) {
            m_session = 0;
            PromptId(IDS_MAILBOX_REFUSED, MB_OK | MB_ICONSTOP);
            continue;
        }
        // The dialog limits both texts to what the record holds.
        if (dialog.m_name != mail_record::Text(m_mail.mailbox) ||
            dialog.m_password != mail_record::Text(m_mail.password)) {
            mail_record::SetText(m_mail.mailbox, dialog.m_name);
            mail_record::SetText(m_mail.password, dialog.m_password);
        }
        return true;
    }
}

void CEmail::OnAddress()
{
    if (!m_mapi->Available()) {
        SoundBeep(MB_ICONEXCLAMATION);
        return;
    }
    if (!SignIn())
        return;
    const std::string caption = AddressText(IDS_ADDRESS_CAPTION);
    const std::string label = AddressText(IDS_ADDRESS_LABEL);
    ULONG count = 0;
    lpMapiRecipDesc recipients = nullptr;
    const ULONG result =
        m_mapi->Address(m_session, m_hWnd, caption.c_str(), 2, label.c_str(), MAPI_LOGON_UI, count, recipients);
    if (result == SUCCESS_SUCCESS)
        TakeChosenRecipients(count, recipients);
    if (recipients)
        m_mapi->FreeBuffer(recipients);
    {
        CWaitCursor wait;
        m_mapi->Logoff(m_session, m_hWnd);
        m_session = 0;
    }
    Commit();
}

void CEmail::TakeChosenRecipients(ULONG count, const MapiRecipDesc* recipients)
{
    CListBox to(Control(IDC_EMAIL_TO));
    CListBox cc(Control(IDC_EMAIL_CC));
    to.ResetContent();
    cc.ResetContent();
    std::string refused;
    for (ULONG i = 0; recipients && i < count; ++i) {
        const MapiRecipDesc& recipient = recipients[i];
        if (recipient.ulRecipClass != MAPI_TO && recipient.ulRecipClass != MAPI_CC)
            continue;
        const char* shown = recipient.lpszName && *recipient.lpszName ? recipient.lpszName : recipient.lpszAddress;
        if (!shown || !*shown)
            continue;
        const std::string name = shown;
        if (name.size() > mail_record::kNameLimit) {
            refused += name + "\n";
            continue;
        }
        (recipient.ulRecipClass == MAPI_TO ? to : cc).AddString(name);
    }
    if (!refused.empty())
        Prompt(FormatResString(IDS_NAME_TOO_LONG, refused.c_str()), MB_OK | MB_ICONEXCLAMATION);
}

void CEmail::OnAttach()
{
    CListBox files(Control(IDC_EMAIL_FILES));
    if (files.GetCount() >= mail_record::kMaxAttachments) {
        PromptId(IDS_TOO_MANY_ATTACHMENTS, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    FileDialogRequest request;
    request.owner = m_hWnd;
    request.title = LoadResString(IDS_ATTACH_TITLE);
    request.filter = LoadResString(IDS_ATTACH_FILTER) + "|*.*";
    request.path = "*.*";
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (!SystemDialogs::Current().OpenFile(request) || request.path.empty())
        return;
    if (request.path.size() > mail_record::kPathLimit) {
        Prompt(FormatResString(IDS_PATH_TOO_LONG, request.path.c_str()), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    files.AddString(request.path);
    Commit();
}

void CEmail::OnDetach()
{
    CListBox files(Control(IDC_EMAIL_FILES));
    const int selected = files.GetCurSel();
    if (selected < 0)
        return;
    files.DeleteString(selected);
    Commit();
}

void CEmail::OnToggle()
{
    m_enabled = m_enabled == 0 ? 1 : 0;
    Commit();
}

void CEmail::OnReceiptCommand()
{
    const bool checked = IsDlgButtonChecked(IDC_EMAIL_RECEIPT) == BST_CHECKED;
    CheckDlgButton(IDC_EMAIL_RECEIPT, checked ? BST_UNCHECKED : BST_CHECKED);
    Commit();
}

void CEmail::OnSetupSubject()
{
    HWND subject = Control(IDC_EMAIL_SUBJECT);
    if (!subject)
        return;
    CEdit(subject).SetReadOnly(false);
    ::EnableWindow(subject, TRUE);
    ::SetFocus(subject);
    const int end = ::GetWindowTextLengthA(subject);
    CEdit(subject).SetSel(end, end);
}

void CEmail::OnHelp()
{
    m_values.OpenHelp(m_hWnd, kHelpTopic);
}
