// COptionsPage: fills the page from the sheet's record and stores it back in the order the checks need.
#include "options_page.h"

#include <cstring>
#include <string>

#include "combo_box.h"
#include "cmd_ui.h"
#include "prompter.h"
#include "quillet_options_ids.h"
#include "reviewer_warning_dlg.h"

namespace {

const char* const kActionTexts[kInfectionActionCount] = {
    "Report Only - No Action",
    "Delete File",
    "Rename File",
    "Cure File",
    "Move File",
    "Purge File",
    "Rename and Move File",
};

template <size_t N> std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

template <size_t N> void SetField(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

UINT Check(std::int32_t flag)
{
    return flag ? BST_CHECKED : BST_UNCHECKED;
}

}  // namespace

COptionsPage::COptionsPage(LocalScanOptions& options, std::function<void(bool)> filesChanged)
    : CPropertyPage(IDD_QUILLET_OPTIONS), m_options(options), m_filesChanged(std::move(filesChanged))
{
}

const MessageMap& COptionsPage::GetMessageMap() const
{
    static const MessageMap map(CPropertyPage::GetMessageMap(),
        {
            on::ControlCode(IDC_OPT_FILES, BN_CLICKED, &COptionsPage::OnFilesClicked),
            on::UpdateCommand(IDC_OPT_RENAME, &COptionsPage::OnUpdateRename),
            on::UpdateCommand(IDC_OPT_RENAME_LABEL, &COptionsPage::OnUpdateRename),
            on::UpdateCommand(IDC_OPT_MOVE, &COptionsPage::OnUpdateMove),
            on::UpdateCommand(IDC_OPT_MOVE_LABEL, &COptionsPage::OnUpdateMove),
        });
    return map;
}

BOOL COptionsPage::OnSetActive()
{
    CheckDlgButton(IDC_OPT_BOOT, Check(m_options.scanBootSector));
    CheckDlgButton(IDC_OPT_FILES, Check(m_options.scanFiles));
    CComboBox actions(GetDlgItem(IDC_OPT_ACTION));
    if (actions.GetCount() == 0) {
        for (const char* text : kActionTexts)
            actions.AddString(text);
    }
    actions.SetCurSel(m_options.infectionAction);
    ::SendDlgItemMessageA(m_hWnd, IDC_OPT_RENAME, EM_LIMITTEXT, kExtensionSize - 1, 0);
    ::SendDlgItemMessageA(m_hWnd, IDC_OPT_MOVE, EM_LIMITTEXT, kScanOptionsPathSize - 1, 0);
    SetDlgItemText(IDC_OPT_RENAME, FieldText(m_options.renameExtension));
    SetDlgItemText(IDC_OPT_MOVE, FieldText(m_options.moveDirectory));
    CheckDlgButton(IDC_OPT_AUTO_DISPLAY, Check(m_options.autoDisplay));
    CheckDlgButton(IDC_OPT_PROMPT, Check(m_options.interactive));
    CheckDlgButton(IDC_OPT_BEEP, Check(m_options.beepOnDetect));
    const int mode =
        m_options.scanMode == kScanSecure || m_options.scanMode == kScanReviewer ? m_options.scanMode : kScanFast;
    for (int i = 0; i < 3; ++i)
        CheckDlgButton(IDC_OPT_FAST + i, i == mode ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

int COptionsPage::SelectedAction() const
{
    return CComboBox(GetDlgItem(IDC_OPT_ACTION)).GetCurSel();
}

void COptionsPage::OnUpdateRename(CCmdUI& ui)
{
    ui.Enable(UsesRenameExtension(SelectedAction()));
}

void COptionsPage::OnUpdateMove(CCmdUI& ui)
{
    ui.Enable(UsesMoveDirectory(SelectedAction()));
}

void COptionsPage::OnFilesClicked()
{
    if (m_filesChanged)
        m_filesChanged(IsDlgButtonChecked(IDC_OPT_FILES) == BST_CHECKED);
}

BOOL COptionsPage::OnKillActive()
{
    m_options.scanBootSector = IsDlgButtonChecked(IDC_OPT_BOOT) == BST_CHECKED;
    m_options.scanFiles = IsDlgButtonChecked(IDC_OPT_FILES) == BST_CHECKED;
    if (!m_options.scanBootSector && !m_options.scanFiles) {
        PromptId(IDS_BOOT_OR_FILES, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    const bool reviewer = IsDlgButtonChecked(IDC_OPT_REVIEWER) == BST_CHECKED;
    if (reviewer && !ConfirmReviewerScan(this))
        return FALSE;

    const int action = SelectedAction();
    m_options.infectionAction = action >= 0 ? action : kActionReportOnly;
    std::string extension = GetDlgItemText(IDC_OPT_RENAME);
    if (extension.size() > kExtensionSize - 1)
        extension.resize(kExtensionSize - 1);
    const bool refused =
        extension.empty() ? m_options.infectionAction == kActionRename : !IsValidRenameExtension(extension);
    if (refused) {
        PromptId(IDS_RENAME_EXTENSION_INVALID, MB_OK | MB_ICONEXCLAMATION);
        ::SetFocus(GetDlgItem(IDC_OPT_RENAME));
        return FALSE;
    }
    SetField(m_options.renameExtension, extension);

    SetField(m_options.moveDirectory, GetDlgItemText(IDC_OPT_MOVE));
    m_options.interactive = IsDlgButtonChecked(IDC_OPT_PROMPT) == BST_CHECKED;
    m_options.beepOnDetect = IsDlgButtonChecked(IDC_OPT_BEEP) == BST_CHECKED;
    m_options.autoDisplay = IsDlgButtonChecked(IDC_OPT_AUTO_DISPLAY) == BST_CHECKED;
    m_options.scanMode = reviewer                           ? kScanReviewer
        : IsDlgButtonChecked(IDC_OPT_SECURE) == BST_CHECKED ? kScanSecure
                                                            : kScanFast;
    return TRUE;
}
