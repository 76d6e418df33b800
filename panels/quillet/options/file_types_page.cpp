// CFileTypesPage: the lists' contents, their Add and Delete, and which controls are enabled.
#include "file_types_page.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "add_extension_dlg.h"
#include "cmd_ui.h"
#include "combo_box.h"
#include "list_box.h"
#include "prompter.h"
#include "scan_options_profile.h"
#include "quillet_options_ids.h"

namespace {

enum ScanFilesChoice { kExecutableFiles = 0, kAllFiles = 1 };

struct ListFields {
    ExtensionList LocalScanOptions::*entries;
    std::int32_t LocalScanOptions::*count;
};

const ListFields kFields[CFileTypesPage::kListCount] = {
    {&LocalScanOptions::executableExtensions, &LocalScanOptions::executableCount},
    {&LocalScanOptions::archiveExtensions, &LocalScanOptions::archiveCount},
    {&LocalScanOptions::mailDatabaseExtensions, &LocalScanOptions::mailDatabaseCount},
};

}  // namespace

const CFileTypesPage::ListControls CFileTypesPage::kControls[kListCount] = {
    {IDC_TYPES_EXE_LIST, IDC_TYPES_EXE_LABEL, IDC_TYPES_EXE_ADD, IDC_TYPES_EXE_DELETE, IDC_TYPES_SCAN_FILES},
    {IDC_TYPES_ARC_LIST, IDC_TYPES_ARC_LABEL, IDC_TYPES_ARC_ADD, IDC_TYPES_ARC_DELETE, IDC_TYPES_ARCHIVES},
    {IDC_TYPES_DB_LIST, IDC_TYPES_DB_LABEL, IDC_TYPES_DB_ADD, IDC_TYPES_DB_DELETE, IDC_TYPES_DATABASES},
};

CFileTypesPage::CFileTypesPage(LocalScanOptions& options, bool withMailDatabases)
    : CPropertyPage(withMailDatabases ? IDD_QUILLET_FILE_TYPES : IDD_QUILLET_FILE_TYPES_NO_MAIL), m_options(options)
{
}

const MessageMap& CFileTypesPage::GetMessageMap() const
{
    static const MessageMap map(CPropertyPage::GetMessageMap(),
        {
            on::CommandRange(IDC_TYPES_EXE_ADD, IDC_TYPES_EXE_ADD, &CFileTypesPage::OnAddClicked),
            on::CommandRange(IDC_TYPES_ARC_ADD, IDC_TYPES_ARC_ADD, &CFileTypesPage::OnAddClicked),
            on::CommandRange(IDC_TYPES_DB_ADD, IDC_TYPES_DB_ADD, &CFileTypesPage::OnAddClicked),
            on::CommandRange(IDC_TYPES_EXE_DELETE, IDC_TYPES_EXE_DELETE, &CFileTypesPage::OnDeleteClicked),
            on::CommandRange(IDC_TYPES_ARC_DELETE, IDC_TYPES_ARC_DELETE, &CFileTypesPage::OnDeleteClicked),
            on::CommandRange(IDC_TYPES_DB_DELETE, IDC_TYPES_DB_DELETE, &CFileTypesPage::OnDeleteClicked),
            on::UpdateCommandRange(IDC_TYPES_EXE_LABEL, IDC_TYPES_EXE_DELETE, &CFileTypesPage::OnUpdateListControl),
            on::UpdateCommandRange(IDC_TYPES_ARC_LABEL, IDC_TYPES_ARC_DELETE, &CFileTypesPage::OnUpdateListControl),
            on::UpdateCommandRange(IDC_TYPES_DB_LABEL, IDC_TYPES_DB_DELETE, &CFileTypesPage::OnUpdateListControl),
            on::Message(WM_VKEYTOITEM, &CFileTypesPage::OnVKeyToItem),
        });
    return map;
}

BOOL CFileTypesPage::OnSetActive()
{
    CComboBox scanFiles(GetDlgItem(IDC_TYPES_SCAN_FILES));
    if (scanFiles.GetCount() == 0) {
        scanFiles.AddString("Executable Files");
        scanFiles.AddString("All Files");
    }
    scanFiles.SetCurSel(m_options.executablesOnly ? kExecutableFiles : kAllFiles);
    CheckDlgButton(IDC_TYPES_ARCHIVES, m_options.scanArchives ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_TYPES_DATABASES, m_options.scanMailDatabases ? BST_CHECKED : BST_UNCHECKED);
    for (int i = 0; i < kListCount; ++i) {
        CListBox box(GetDlgItem(kControls[i].list));
        box.ResetContent();
        const ExtensionList& entries = m_options.*kFields[i].entries;
        const int count = m_options.*kFields[i].count;
        for (int e = 0; e < count && e < kExtensionListCapacity && entries[e][0] != '\0'; ++e)
            box.AddString(std::string(entries[e], strnlen(entries[e], kExtensionSize)));
    }
    return TRUE;
}

BOOL CFileTypesPage::OnKillActive()
{
    m_options.executablesOnly = CComboBox(GetDlgItem(IDC_TYPES_SCAN_FILES)).GetCurSel() == kExecutableFiles;
    m_options.scanArchives = IsDlgButtonChecked(IDC_TYPES_ARCHIVES) == BST_CHECKED;
    m_options.scanMailDatabases = IsDlgButtonChecked(IDC_TYPES_DATABASES) == BST_CHECKED;
    for (int i = 0; i < kListCount; ++i) {
        CListBox box(GetDlgItem(kControls[i].list));
        ExtensionList& entries = m_options.*kFields[i].entries;
        std::memset(entries, 0, sizeof entries);
        const int count = std::min(box.GetCount(), kExtensionListCapacity);
        int stored = 0;
        for (int e = 0; e < count; ++e)
            StoreExtension(box.GetText(e), entries[stored++]);
        m_options.*kFields[i].count = stored;
    }
    return TRUE;
}

bool CFileTypesPage::ListActive(List list) const
{
    if (list == kExecutables)
        return CComboBox(GetDlgItem(IDC_TYPES_SCAN_FILES)).GetCurSel() == kExecutableFiles;
    return IsDlgButtonChecked(kControls[list].switchId) == BST_CHECKED;
}

int CFileTypesPage::EntryCount(List list) const
{
    return std::max(CListBox(GetDlgItem(kControls[list].list)).GetCount(), 0);
}

CFileTypesPage::List CFileTypesPage::ListOf(UINT controlId)
{
    for (int i = 0; i < kListCount; ++i) {
        const ListControls& c = kControls[i];
        if (static_cast<int>(controlId) == c.list || static_cast<int>(controlId) == c.label ||
            static_cast<int>(controlId) == c.add || static_cast<int>(controlId) == c.remove)
            return static_cast<List>(i);
    }
    return kExecutables;
}

void CFileTypesPage::OnUpdateListControl(CCmdUI& ui)
{
    const List list = ListOf(ui.m_nID);
    bool enable = ListActive(list);
    if (static_cast<int>(ui.m_nID) == kControls[list].remove)
        enable = enable && EntryCount(list) > 0;
    else if (static_cast<int>(ui.m_nID) == kControls[list].add)
        enable = enable && EntryCount(list) < kExtensionListCapacity;
    ui.Enable(enable);
}

void CFileTypesPage::OnAddClicked(UINT id)
{
    AddExtension(ListOf(id));
}

void CFileTypesPage::OnDeleteClicked(UINT id)
{
    DeleteExtension(ListOf(id));
}

void CFileTypesPage::AddExtension(List list)
{
    // The keys reach a disabled list's handler as well: the same limits hold.
    if (!ListActive(list) || EntryCount(list) >= kExtensionListCapacity)
        return;
    CAddExtensionDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    CListBox box(GetDlgItem(kControls[list].list));
    if (box.FindStringExact(dialog.m_extension) >= 0) {
        PromptId(IDS_EXTENSION_IN_LIST, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    box.SetCurSel(box.AddString(dialog.m_extension));
}

void CFileTypesPage::DeleteExtension(List list)
{
    if (!ListActive(list) || EntryCount(list) == 0)
        return;
    CListBox box(GetDlgItem(kControls[list].list));
    const int selected = box.GetCurSel();
    if (selected < 0) {
        PromptId(IDS_NOTHING_TO_DELETE, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (PromptId(IDS_DELETE_EXTENSION, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    box.DeleteString(selected);
    if (box.GetCount() > 0)
        box.SetCurSel(selected > 0 ? selected - 1 : 0);
}

LRESULT CFileTypesPage::OnVKeyToItem(WPARAM wParam, LPARAM lParam)
{
    const HWND source = reinterpret_cast<HWND>(lParam);
    for (int i = 0; i < kListCount; ++i) {
        if (GetDlgItem(kControls[i].list) != source)
            continue;
        if (LOWORD(wParam) == VK_INSERT) {
            AddExtension(static_cast<List>(i));
            return -2;
        }
        if (LOWORD(wParam) == VK_DELETE) {
            DeleteExtension(static_cast<List>(i));
            return -2;
        }
    }
    return -1;  // the list box's own handling of every other key
}
