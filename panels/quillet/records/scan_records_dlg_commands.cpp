// CScanRecordsDlg's commands: view or print a report, delete one entry or all, and search the lines.
#include "scan_records_dlg.h"

#include <algorithm>
#include <cctype>

#include "dialog_item_cmd_ui.h"
#include "find_record_dlg.h"
#include "module.h"
#include "prntbuf.h"
#include "prompter.h"
#include "quillet_records_ids.h"
#include "scan_log_file.h"
#include "scan_log_table.h"
#include "view_record_dlg.h"

namespace {

constexpr int kPrintTabWidth = 8;
// Where the printed columns start: past the date and time text (up to 21 characters) and the padded fields.
const std::vector<int> kPrintTabStops = {22, 46, 54, 74, 86};

std::string Lower(std::string text)
{
    std::transform(
        text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

void CScanRecordsDlg::OnView()
{
    const std::uint32_t number = NumberAt(Selection());
    if (number == 0)
        return;
    const std::string path = ReportFilePath(number);
    if (m_printing) {
        PrintReport(path);
        return;
    }
    ShowRecordFile(this, path);
}

void CScanRecordsDlg::PrintReport(const std::string& path)
{
    if (!FileExists(path)) {
        PromptFrom(m_hWnd, LoadResString(IDS_RECORD_FILE_MISSING), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    WPrntbuf printer(this);
    printer.SetOutputFile(m_reportPrintOutputFile);
    const std::string job = FormatResString(IDS_RECORD_FILE_CAPTION, path.c_str());
    if (printer.StartJob(job.c_str()))
        printer.PrintFile(path, kPrintTabWidth);
}

void CScanRecordsDlg::OnPrint()
{
    if (!m_list.m_hWnd || m_list.ItemCount() <= 0 || m_printing)
        return;
    const std::string title = GetWindowText();
    m_printing = true;
    WPrntbuf printer(this);
    printer.SetOutputFile(m_printOutputFile);
    if (printer.StartJob(title.c_str()))
        printer.PrintColumnList(m_list, title, LoadResString(IDS_RECORDS_TITLE_LINE), kPrintTabStops);
    m_printing = false;
}

void CScanRecordsDlg::OnDelete()
{
    const int position = Selection();
    const std::uint32_t number = NumberAt(position);
    if (number == 0)
        return;
    if (PromptFrom(m_hWnd, LoadResString(IDS_ASK_DELETE_RECORDS), MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    const std::string report = ReportFilePath(number);
    // The entry and its report go together or not at all: an entry without its report stays.
    if (!FileExists(report)) {
        SoundBeep();
        return;
    }
    ScanLogFile table;
    if (!table.Open(kMasterDatabase, ScanLogFile::Mode::ReadWrite)) {
        Prompter::Current().Show(
            m_hWnd, LoadResString(IDS_MASTER_DB_UNREACHABLE), GetWindowText(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!DeleteFileA(report.c_str())) {
        SoundBeep();
        return;
    }
    if (!scan_log::FreeEntry(table, number)) {
        Prompter::Current().Show(
            m_hWnd, LoadResString(IDS_SCAN_LOG_WRITE_FAILED), GetWindowText(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const int remaining = m_list.DeleteItem(position);
    Select(position < remaining ? position : remaining - 1);
    UpdateDialogControls(m_hWnd, *this);
}

void CScanRecordsDlg::OnDeleteAll()
{
    ScanLogFile table;
    if (!table.Open(kMasterDatabase, ScanLogFile::Mode::ReadWrite)) {
        Prompter::Current().Show(
            m_hWnd, LoadResString(IDS_MASTER_DB_UNREACHABLE), GetWindowText(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const bool emptied =
        scan_log::FreeAllEntries(table, [](std::uint32_t number) { DeleteFileA(ReportFilePath(number).c_str()); });
    if (!emptied) {
        Prompter::Current().Show(
            m_hWnd, LoadResString(IDS_SCAN_LOG_WRITE_FAILED), GetWindowText(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_list.DeleteAllItems();
    UpdateDialogControls(m_hWnd, *this);
}

void CScanRecordsDlg::OnSearch()
{
    if (!m_find) {
        m_find = std::make_unique<CFindRecordDlg>(*this);
        if (!m_find->Create(this)) {
            m_find.reset();
            return;
        }
    }
    m_find->ShowWindow(SW_SHOW);
    m_find->SetFocus();
}

bool CScanRecordsDlg::FindNext(const std::string& text, bool down)
{
    const int count = m_list.ItemCount();
    const std::string wanted = Lower(text);
    int position = Selection();
    for (int step = 0; !wanted.empty() && step < count; ++step) {
        position = down ? position + 1 : position - 1;
        if (position < 0 || position >= count)
            break;
        if (Lower(m_list.GetItemText(position)).find(wanted) != std::string::npos) {
            Select(position);
            return true;
        }
    }
    PromptFrom(m_hWnd, LoadResString(IDS_STRING_NOT_FOUND), MB_OK | MB_ICONINFORMATION);
    return false;
}
