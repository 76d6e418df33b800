// CMailOptionsPage: the notification boxes, and the date choice with the custom date and time fields.
#include "mail_options_page.h"

#include "cmd_ui.h"
#include "qvctrl.h"
#include "quillet_options_ids.h"
#include "scan_after_time.h"

namespace {

UINT Check(std::int32_t flag)
{
    return flag ? BST_CHECKED : BST_UNCHECKED;
}

}  // namespace

CMailOptionsPage::CMailOptionsPage(LocalScanOptions& options, std::function<std::int64_t()> now)
    : CPropertyPage(IDD_QUILLET_MAIL_OPTIONS), m_options(options), m_now(std::move(now))
{
}

const MessageMap& CMailOptionsPage::GetMessageMap() const
{
    static const MessageMap map(CPropertyPage::GetMessageMap(),
        {
            on::UpdateCommand(IDC_MAIL_DATE, &CMailOptionsPage::OnUpdateDateFields),
            on::UpdateCommand(IDC_MAIL_TIME, &CMailOptionsPage::OnUpdateDateFields),
            on::UpdateCommand(IDC_MAIL_AFTER, &CMailOptionsPage::OnUpdateAfterChoice),
        });
    return map;
}

bool CMailOptionsPage::HasDateFields() const
{
    return GetDlgItem(IDC_MAIL_DATE) && GetDlgItem(IDC_MAIL_TIME);
}

BOOL CMailOptionsPage::OnSetActive()
{
    CheckDlgButton(IDC_MAIL_OWNER, Check(m_options.notifyOwner));
    CheckDlgButton(IDC_MAIL_SENDER, Check(m_options.notifySender));
    CheckDlgButton(IDC_MAIL_ADMINISTRATOR, Check(m_options.notifyAdministrator));
    CheckDlgButton(IDC_MAIL_ATTACH, Check(m_options.attachInfoFile));
    const int choice = m_options.incrementalScan ? kSinceLastScan
        : m_options.scanAfter != 0               ? kMessagesAfter
                                                 : kAllMessages;
    for (int i = 0; i < 3; ++i)
        CheckDlgButton(IDC_MAIL_ALL + i, i == choice ? BST_CHECKED : BST_UNCHECKED);
    if (HasDateFields()) {
        const ScanAfterFields fields = ScanAfterToFields(m_options.scanAfter, m_now ? m_now() : 0);
        int date[3] = {fields.year, fields.month, fields.day};
        int time[3] = {fields.hour, fields.minute, fields.second};
        ::SendDlgItemMessageA(m_hWnd, IDC_MAIL_DATE, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(date));
        ::SendDlgItemMessageA(m_hWnd, IDC_MAIL_TIME, QVM_SETFIELDS, 0, reinterpret_cast<LPARAM>(time));
    }
    return TRUE;
}

BOOL CMailOptionsPage::OnKillActive()
{
    m_options.notifyOwner = IsDlgButtonChecked(IDC_MAIL_OWNER) == BST_CHECKED;
    m_options.notifySender = IsDlgButtonChecked(IDC_MAIL_SENDER) == BST_CHECKED;
    m_options.notifyAdministrator = IsDlgButtonChecked(IDC_MAIL_ADMINISTRATOR) == BST_CHECKED;
    m_options.attachInfoFile = IsDlgButtonChecked(IDC_MAIL_ATTACH) == BST_CHECKED;
    if (IsDlgButtonChecked(IDC_MAIL_LAST_SCAN) == BST_CHECKED) {
        m_options.scanAfter = 0;
        m_options.incrementalScan = 1;
    } else if (IsDlgButtonChecked(IDC_MAIL_AFTER) == BST_CHECKED) {
        m_options.incrementalScan = 0;
        if (HasDateFields()) {
            int date[3] = {};
            int time[3] = {};
            ::SendDlgItemMessageA(m_hWnd, IDC_MAIL_DATE, QVM_GETFIELDS, 0, reinterpret_cast<LPARAM>(date));
            ::SendDlgItemMessageA(m_hWnd, IDC_MAIL_TIME, QVM_GETFIELDS, 0, reinterpret_cast<LPARAM>(time));
            // A time the record cannot hold keeps the date limit it had.
            if (const auto seconds = ScanAfterFromFields({date[0], date[1], date[2], time[0], time[1], time[2]}))
                m_options.scanAfter = *seconds;
        }
    } else {
        m_options.scanAfter = 0;
        m_options.incrementalScan = 0;
    }
    return TRUE;
}

void CMailOptionsPage::OnUpdateDateFields(CCmdUI& ui)
{
    ui.Enable(IsDlgButtonChecked(IDC_MAIL_AFTER) == BST_CHECKED);
}

void CMailOptionsPage::OnUpdateAfterChoice(CCmdUI& ui)
{
    // Without the fields no date can be chosen; a date already set stays as it is.
    ui.Enable(HasDateFields() || IsDlgButtonChecked(IDC_MAIL_AFTER) == BST_CHECKED);
}
