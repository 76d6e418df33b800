// CFileListPane: a list over the folder's rows whose texts and icons come by callback (so that a
// folder of many files opens at once), its views, its marks and its context menu.
#include "file_list_pane.h"

#include <commctrl.h>

#include "module.h"
#include "quillet_panel_ids.h"
#include "selection_images.h"

namespace {

constexpr int kFileImageCount = 7;

std::string SizeText(long long size)
{
    return size < 0 ? std::string(">4 GB") : std::to_string(size);
}

std::string TimeText(const SYSTEMTIME& time)
{
    char date[64] = {}, clock[64] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, clock, sizeof clock);
    return std::string(date) + "  " + clock;
}

}  // namespace

bool CFileListPane::CreatePane(CWnd* parent, UINT id)
{
    if (!Create(parent, RECT {0, 0, 0, 0}, id))
        return false;
    m_list = ::CreateWindowExA(0, WC_LISTVIEWA, "",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER | WS_TABSTOP | LVS_REPORT |
            LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_SHAREIMAGELISTS,
        0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)), ModuleInstance(), nullptr);
    if (!m_list)
        return false;
    m_images = LoadPanelImages(IDB_QUILLET_FILE_IMAGES, kFileImageCount);
    m_stateImages = MakeSelectionImages(MarksFor::List);
    ::SendMessageA(m_list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_images));
    ::SendMessageA(m_list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(m_images));
    ::SendMessageA(m_list, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(m_stateImages));
    AddColumns();
    SetContent(m_list);
    SetCaption(true, LoadResString(IDS_PANEL_LIST_CAPTION).c_str());
    return true;
}

void CFileListPane::AddColumns()
{
    const struct {
        UINT title;
        int width;
        int format;
    } columns[] = {{IDS_FILE_COLUMN_NAME, 220, LVCFMT_LEFT}, {IDS_FILE_COLUMN_SIZE, 90, LVCFMT_RIGHT},
        {IDS_FILE_COLUMN_MODIFIED, 150, LVCFMT_LEFT}};
    int index = 0;
    for (const auto& column : columns) {
        std::string title = LoadResString(column.title);
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        info.fmt = column.format;
        info.cx = column.width;
        info.pszText = title.data();
        ::SendMessageA(m_list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&info));
    }
}

const MessageMap& CFileListPane::GetMessageMap() const
{
    static const MessageMap map(CWndList::GetMessageMap(),
        {
            on::Notify(kListId, LVN_GETDISPINFOA, &CFileListPane::OnGetDisplayInfo),
            on::Notify(kListId, NM_DBLCLK, &CFileListPane::OnDoubleClick),
            on::Notify(kListId, NM_RCLICK, &CFileListPane::OnRightClick),
            on::Destroy(&CFileListPane::OnDestroy),
        });
    return map;
}

void CFileListPane::Show(ScanTreeNode* folder, const FileKindRules& rules)
{
    m_rows.clear();
    m_folder = nullptr;
    if (folder && !folder->path.empty() &&
        (folder->kind == kNodeDrive || folder->kind == kNodeDirectory || folder->kind == kNodeShare)) {
        m_folder = folder;
        FolderListing listing = ListFolder(folder->path, true);
        m_rows.reserve(listing.files.size());
        for (FileEntry& file : listing.files) {
            const FileListKind kind = KindOfFile(file.name, rules);
            if (kind != kFileNotListed)
                m_rows.push_back({std::move(file), kind});
        }
        // The folder's search also tells whether its node can be opened.
        folder->expandable = !listing.folders.empty() || !listing.listed;
    }
    ::SendMessageA(m_list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageA(m_list, LVM_DELETEALLITEMS, 0, 0);
    ::SendMessageA(m_list, LVM_SETITEMCOUNT, m_rows.size(), 0);
    for (size_t index = 0; index < m_rows.size(); ++index) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
        item.iItem = static_cast<int>(index);
        item.pszText = LPSTR_TEXTCALLBACKA;
        item.iImage = I_IMAGECALLBACK;
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = RowMark(index);
        ::SendMessageA(m_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_list, nullptr, TRUE);
}

UINT CFileListPane::RowMark(size_t index) const
{
    const bool selected = m_folder && scan_tree::FileSelected(*m_folder, m_rows[index].file.name);
    return INDEXTOSTATEIMAGEMASK(SelectionImage(selected ? kSelected : kUnselected));
}

void CFileListPane::ShowRowState(size_t index)
{
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = RowMark(index);
    ::SendMessageA(m_list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

void CFileListPane::ShowStates()
{
    for (size_t index = 0; index < m_rows.size(); ++index)
        ShowRowState(index);
}

void CFileListPane::ShowProgress(bool progress)
{
    HWND form = AlternateContent();
    if (form)
        ::ShowWindow(form, progress ? SW_SHOW : SW_HIDE);
    ::ShowWindow(m_list, progress && form ? SW_HIDE : SW_SHOW);
    Layout();
}

void CFileListPane::SetView(DWORD viewStyle)
{
    const LONG_PTR style = GetWindowLongPtrA(m_list, GWL_STYLE);
    SetWindowLongPtrA(m_list, GWL_STYLE, (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | viewStyle);
    ::InvalidateRect(m_list, nullptr, TRUE);
}

void CFileListPane::ToggleRow(int index)
{
    if (!m_folder || index < 0 || static_cast<size_t>(index) >= m_rows.size())
        return;
    scan_tree::ToggleFile(*m_folder, m_rows[static_cast<size_t>(index)].file.name);
    ShowRowState(static_cast<size_t>(index));
    if (m_fileToggled)
        m_fileToggled(*m_folder);
}

LRESULT CFileListPane::OnGetDisplayInfo(NMHDR& header)
{
    auto& info = reinterpret_cast<NMLVDISPINFOA&>(header);
    LVITEMA& item = info.item;
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= m_rows.size())
        return 0;
    const Row& row = m_rows[static_cast<size_t>(item.iItem)];
    if (item.mask & LVIF_TEXT) {
        m_text = item.iSubItem == 0 ? row.file.name
            : item.iSubItem == 1    ? SizeText(row.file.size)
                                    : TimeText(row.file.modified);
        lstrcpynA(item.pszText, m_text.c_str(), item.cchTextMax);
    }
    if (item.mask & LVIF_IMAGE)
        item.iImage = row.kind;
    return 0;
}

int CFileListPane::RowAt(POINT screen) const
{
    LVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(m_list, &hit.pt);
    const int index = static_cast<int>(::SendMessageA(m_list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & LVHT_ONITEM) ? index : -1;
}

LRESULT CFileListPane::OnDoubleClick(NMHDR& header)
{
    ToggleRow(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
    return 0;
}

LRESULT CFileListPane::OnRightClick(NMHDR&)
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    const int row = RowAt(cursor);
    HMENU menu = LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(IDR_QUILLET_CONTEXT));
    if (!menu)
        return 0;
    const int popup = row >= 0 ? QUILLET_CONTEXT_LIST_ITEM : QUILLET_CONTEXT_LIST;
    const UINT command = static_cast<UINT>(TrackPopupMenu(GetSubMenu(menu, popup),
        TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0, m_hWnd, nullptr));
    DestroyMenu(menu);
    switch (command) {
    case ID_CONTEXT_SELECT: ToggleRow(row); break;
    case ID_CONTEXT_VIEW_LIST: SetView(LVS_LIST); break;
    case ID_CONTEXT_VIEW_SMALL: SetView(LVS_SMALLICON); break;
    case ID_CONTEXT_VIEW_LARGE: SetView(LVS_ICON); break;
    case ID_CONTEXT_VIEW_COLUMNS: SetView(LVS_REPORT); break;
    default: break;
    }
    return 0;
}

void CFileListPane::OnDestroy()
{
    m_folder = nullptr;
    m_rows.clear();
    if (m_images)
        ImageList_Destroy(m_images);
    if (m_stateImages)
        ImageList_Destroy(m_stateImages);
    m_images = m_stateImages = nullptr;
}
