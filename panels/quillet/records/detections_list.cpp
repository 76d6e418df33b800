// CDetectionsList: three columns over a placeholder; the rows stay in the order they came.
#include "detections_list.h"

#include "module.h"
#include "quillet_records_ids.h"

namespace {

constexpr int kColumnWidths[3] = {300, 100, 100};
constexpr UINT kColumnTitles[3] = {IDS_DETECTION_FILE_NAME, IDS_DETECTION_VIRUS_NAME, IDS_DETECTION_ACTION};

// Tabs end a column: a name that holds one would spill into the next.
std::string CellText(std::string text)
{
    for (char& c : text) {
        if (c == '\t')
            c = ' ';
    }
    return text;
}

}  // namespace

bool CDetectionsList::Create(HWND owner, int placeholder, UINT id)
{
    RECT place = {};
    if (HWND box = ::GetDlgItem(owner, placeholder)) {
        ::GetWindowRect(box, &place);
        MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&place), 2);
        ::ShowWindow(box, SW_HIDE);
    }
    if (!m_list.Create(3, WS_CHILD | WS_VISIBLE | WS_TABSTOP, place, owner, id,
            ColListFlags::kFrame | ColListFlags::kNotify | ColListFlags::kHorizontalScroll))
        return false;
    for (int column = 0; column < 3; ++column) {
        m_list.SetColumnTitle(column, LoadResString(kColumnTitles[column]));
        m_list.SetColumnWidth(column, kColumnWidths[column]);
    }
    return true;
}

void CDetectionsList::Destroy()
{
    if (m_list.m_hWnd)
        m_list.DestroyWindow();
    m_rows.clear();
}

void CDetectionsList::Append(const ScanResultLine& row)
{
    m_rows.push_back(row);
    if (!m_list.m_hWnd)
        return;
    const int end = m_list.ItemCount();
    const int position =
        m_list.InsertItem(end, CellText(row.item) + '\t' + CellText(row.virus) + '\t' + CellText(row.outcome));
    if (position < 0)
        return;
    m_list.SetItemData(position, reinterpret_cast<void*>(static_cast<INT_PTR>(m_rows.size() - 1)));
    ::SendMessageA(m_list.ListBox(), LB_SETTOPINDEX, position, 0);
}

void CDetectionsList::Clear()
{
    m_rows.clear();
    if (m_list.m_hWnd)
        m_list.DeleteAllItems();
}

std::vector<ScanResultLine> CDetectionsList::Rows() const
{
    if (!m_list.m_hWnd)
        return m_rows;
    std::vector<ScanResultLine> rows;
    for (int position = 0; position < m_list.ItemCount(); ++position) {
        const INT_PTR index = reinterpret_cast<INT_PTR>(m_list.GetItemData(position));
        if (index >= 0 && static_cast<size_t>(index) < m_rows.size())
            rows.push_back(m_rows[static_cast<size_t>(index)]);
    }
    return rows;
}

std::string CDetectionsList::MessageInfoAt(int position) const
{
    const INT_PTR index = reinterpret_cast<INT_PTR>(m_list.GetItemData(position));
    if (index < 0 || static_cast<size_t>(index) >= m_rows.size())
        return {};
    return m_rows[static_cast<size_t>(index)].messageInfo;
}
