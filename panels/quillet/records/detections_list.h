// CDetectionsList: the detections of one scan (file, virus, action), each row keeping its
// message information text; shown in the progress form and then in the results dialog.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "col_list.h"
#include "scan_result_line.h"

class CDetectionsList {
public:
    // Puts the list in the place of the hidden `placeholder` control of `owner`; false when
    // the list window cannot be made.
    bool Create(HWND owner, int placeholder, UINT id);
    void Destroy();

    // Appends the row at the end and scrolls it into view.
    void Append(const ScanResultLine& row);
    void Clear();
    // The rows in list order.
    std::vector<ScanResultLine> Rows() const;
    // The message information of the row at `position`; empty for none.
    std::string MessageInfoAt(int position) const;
    int Count() const { return static_cast<int>(m_rows.size()); }

    CColList& Window() { return m_list; }
    HWND Handle() const { return m_list.m_hWnd; }

private:
    CColList m_list;
    std::vector<ScanResultLine> m_rows;
};
