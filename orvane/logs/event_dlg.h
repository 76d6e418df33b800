// CEventDlg: the "Event Log" page, the Alert Service's record table listed newest first.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "admin_fv.h"
#include "alert_record_table.h"
#include "col_list.h"
#include "program_values.h"

class CEventDlg : public CAdminFV {
public:
    static constexpr UINT kListId = 101;
    static constexpr UINT_PTR kReloadTimer = 9;
    static constexpr UINT kReloadMilliseconds = 5000;
    // The page's and the event file dialog's topics in the program's help file.
    static constexpr UINT kHelpTopic = 3020;
    static constexpr UINT kFileHelpTopic = 3021;
    // Print columns: the date and time, the description, the application, the sort time.
    static const std::vector<int> kPrintTabStops;

    explicit CEventDlg(ProgramValues& values);
    ~CEventDlg() override;

    // 1 once after creation: starts timer 9 and puts the column list in the list box's place.
    // Every call sets the columns up again and fills the list.
    void Load(int first) override;
    // The rows carry slot numbers only; emptying the list is all there is to free.
    void ReleaseItems() override;
    // After a service command: with 1 the list stays empty and asks for the service to be
    // started; with 0 the list is filled again.
    void Refresh(int serviceStopped) override;

    // Commands, also reached through the frame's routing.
    void OnClearSelected();
    void OnClearAll();
    void OnView();
    void OnPrint();
    void OnHelp();

    // State, for the frame and for tests.
    CColList& List() { return m_list; }
    LONGLONG LastLength() const { return m_lastLength; }
    long long LastSum() const { return m_lastSum; }
    bool ServiceStopped() const { return m_serviceStopped != 0; }
    // The text the list shows while it has no rows.
    const std::string& EmptyText() const { return m_emptyText; }
    // The list positions of the selected rows, first to last.
    std::vector<int> SelectedPositions() const;
    // Where the print jobs go instead of the printer's port; empty for the port.
    std::string printOutputFile;

    const MessageMap& GetMessageMap() const override;

private:
    void SetUpColumns();
    void SetEmptyText(const std::string& text);
    void FillList();
    int AddRecordRow(int index, const BYTE* slot);
    long long HeaderSum();
    void SelectPositions(const std::vector<int>& positions);
    void OnTimer(UINT_PTR id);
    void OnPaint();
    void OnSizePage(UINT type, int cx, int cy);
    void OnDestroyPage();

    ProgramValues& m_values;
    CColList m_list;
    HBITMAP m_images[3] = {};
    HBITMAP m_masks[3] = {};
    LONGLONG m_lastLength = -1;
    long long m_lastSum = 0;
    int m_serviceStopped = 0;
    std::string m_emptyText;
    CAlertRecordTable m_table;
    RECT m_createdClient = {};
};
