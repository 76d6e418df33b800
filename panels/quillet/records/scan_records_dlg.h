// CScanRecordsDlg: "View scanning records", the scan log listed with its reports to view,
// print, search and delete (an entry and its report always together).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "col_list.h"
#include "dialog.h"

class CFindRecordDlg;

class CScanRecordsDlg : public CDialog {
public:
    static constexpr UINT kListId = 101;
    static constexpr int kColumnCount = 6;
    static constexpr int kSortKeyColumn = 5;

    explicit CScanRecordsDlg(CWnd* parent = nullptr);
    ~CScanRecordsDlg() override;

    BOOL OnInitDialog() override;
    const MessageMap& GetMessageMap() const override;

    // The commands, also for tests.
    void OnView();
    void OnPrint();
    void OnDelete();
    void OnDeleteAll();
    void OnSearch();
    // Selects the next line from the current one, down or up, that holds `text`; 2012 otherwise.
    bool FindNext(const std::string& text, bool down);

    CColList& List() { return m_list; }
    // The entry number of the line at `position`; 0 for none.
    std::uint32_t NumberAt(int position) const;
    int Selection() const;
    CFindRecordDlg* FindDialog() { return m_find.get(); }
    // Half the widest character of the list's font, in pixels: the unit of the column widths.
    int ColumnUnit() const { return m_columnUnit; }
    // Where print jobs go instead of the printer's port (tests); empty for the port.
    std::string m_printOutputFile;
    // The same for a report printed while the list prints.
    std::string m_reportPrintOutputFile;

private:
    bool CreateList();
    void SetUpColumns();
    // False when the table could not be read (the message is shown).
    bool LoadEntries();
    void Select(int position);
    void PrintReport(const std::string& path);
    LRESULT OnVKeyToItem(WPARAM wParam, LPARAM lParam);
    void OnUpdateNeedsRows(CCmdUI& item);
    void OnDestroyDialog();

    CColList m_list;
    std::string m_words[7];
    std::string m_completed, m_canceled;
    HBITMAP m_images[6] = {};
    bool m_printing = false;
    int m_columnUnit = 10;
    std::unique_ptr<CFindRecordDlg> m_find;
};
