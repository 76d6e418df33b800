// CEventDlg's commands: clear selected, clear all, view, print and help.
#include "event_dlg.h"

#include "alert_record_format.h"
#include "logs_ids.h"
#include "module.h"
#include "prntbuf.h"
#include "prompter.h"
#include "view_event_dlg.h"

namespace {

constexpr size_t kTitleLimit = 255;

int SlotOf(const CColList& list, int position)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(list.GetItemData(position)));
}

}  // namespace

const std::vector<int> CEventDlg::kPrintTabStops = {24, 80, 96};

void CEventDlg::OnClearSelected()
{
    const std::vector<int> selected = SelectedPositions();
    if (selected.empty())
        return;
    if (PromptId(IDS_ASK_DELETE_EVENT, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    // From the last to the first, so the positions still to come stay where they were.
    for (auto position = selected.rbegin(); position != selected.rend(); ++position) {
        const int slot = SlotOf(m_list, *position);
        m_list.DeleteItem(*position);
        m_table.DeleteRecord(slot);
    }
    // Our own deletions are no reason for timer 9 to read everything again.
    m_lastSum = HeaderSum();
}

void CEventDlg::OnClearAll()
{
    if (!m_list.m_hWnd || m_list.ItemCount() <= 0)
        return;
    if (PromptId(IDS_ASK_DELETE_ALL_EVENTS, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    for (int position = m_list.ItemCount() - 1; position >= 0; --position) {
        const int slot = SlotOf(m_list, position);
        m_list.DeleteItem(position);
        m_table.DeleteRecord(slot);
    }
    m_lastSum = HeaderSum();
}

void CEventDlg::OnView()
{
    const std::vector<int> selected = SelectedPositions();
    if (selected.empty())
        return;
    BYTE slot[CAlertRecordTable::kSlotSize];
    // A slot freed since the list was filled names no event file either.
    if (!m_table.ReadRecord(SlotOf(m_list, selected.front()), slot) || !alert_table::SlotHoldsRecord(slot)) {
        PromptId(IDS_NO_EVENT_FILE, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CViewEventDlg dialog(m_values, alert_table::ReadRecord(slot).eventFile, this);
    dialog.printOutputFile = printOutputFile;
    dialog.DoModal();
}

void CEventDlg::OnPrint()
{
    // The list box is hidden while the list is empty: there is nothing to print then.
    HWND box = m_list.ListBox();
    if (!box || !(GetWindowLongA(box, GWL_STYLE) & WS_VISIBLE))
        return;
    WPrntbuf printer(this);
    printer.SetOutputFile(printOutputFile);
    const std::string job = LoadResString(IDS_EVENT_PRINT_JOB);
    if (!printer.StartJob(job.c_str()))
        return;
    const std::string titles = LoadResString(IDS_COLUMN_DATE_TIME).substr(0, kTitleLimit) + " \t" +
        LoadResString(IDS_COLUMN_DESCRIPTION).substr(0, kTitleLimit) + " \t" +
        LoadResString(IDS_COLUMN_APPLICATION).substr(0, kTitleLimit);
    printer.PrintColumnList(m_list, job, titles, kPrintTabStops);
}

void CEventDlg::OnHelp()
{
    m_values.OpenHelp(m_hWnd, kHelpTopic);
}
