// The scan records under Wine: the record a finished scan writes, the results dialog, the
// progress form and the scan log viewer, in a scratch folder that is the current directory.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <map>

#include "find_record_dlg.h"
#include "framework_ids.h"
#include "modal_script.h"
#include "path_list_source.h"
#include "postscript_printer_choice.h"
#include "quillet_fakes.h"
#include "quillet_records_ids.h"
#include "quillet_test_files.h"
#include "sample_scan_job.h"
#include "scan_log_file.h"
#include "scan_log_table.h"
#include "scan_record_writer.h"
#include "scan_records.h"
#include "scan_records_dlg.h"
#include "scan_results_dlg.h"
#include "scan_test_files.h"
#include "scripted_prompter.h"
#include "ui_actions.h"
#include "view_record_dlg.h"

using namespace scan_test;

namespace {

// A scratch folder that is the current directory for the test's time.
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, previous);
        m_previous = previous;
        ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
        CreateDirectoryA("DB", nullptr);
    }
    void TearDown() override { SetCurrentDirectoryA(m_previous.c_str()); }

    // A table with one entry per fact set, numbered from 1, each with its report unless told otherwise.
    void MakeTable(const std::vector<scan_log::ScanLogFacts>& entries, bool withReports = true)
    {
        ScanLogFile table;
        ASSERT_TRUE(table.Open(kMasterDatabase, ScanLogFile::Mode::CreateNew));
        scan_log::WriteEmptyHeader(table);
        std::uint32_t number = 1;
        for (const scan_log::ScanLogFacts& facts : entries) {
            scan_log::WriteEntry(table, number, scan_log::MakeEntry(facts, number));
            if (withReports)
                folder.Write(ReportFilePath(number), "Report " + std::to_string(number) + "\r\n\r\n");
            ++number;
        }
    }

    SampleScanJob& FinishedJob()
    {
        ScanCounters& counters = job.EditCounters();
        counters.directoriesScanned = 4;
        counters.filesScanned = 17;
        counters.virusesFound = 2;
        counters.filesInfected = 2;
        counters.filesDeleted = 1;
        counters.bootSectorsScanned = 1;
        job.SetTimes(SampleTime(2026, 12, 9, 7, 0, 5), SampleTime(2026, 12, 9, 8, 2, 8));
        job.SetScannedPaths("C:\\DATA;A:\\;");
        job.Add("C:\\DATA\\A.COM", "EICAR-Test-File", "Deleted");
        job.Add("HELLO.EXE", "Cinder", "No Action", "Message from ann@site, subject \"hello\"");
        return job;
    }

    ScratchFolder folder {"quillet-records"};
    FakeArchive archive;
    PathListSource source {{}, archive, 0};
    SampleScanJob job {source};
    LocalScanOptions options = TestOptions();

private:
    std::string m_previous;
};

scan_log::ScanLogFacts Facts(int viruses, int action, bool cancelled, int minute)
{
    scan_log::ScanLogFacts facts;
    facts.virusesFound = viruses;
    facts.sourceMachine = "Local";
    facts.scannedPaths = "C:\\DATA;";
    facts.start = {1996, 3, 7, 14, minute, 9};
    facts.action = action;
    facts.cancelled = cancelled;
    return facts;
}

std::string TableBytes()
{
    return ReadAll(kMasterDatabase);
}

std::int32_t Int32At(const std::string& bytes, size_t offset)
{
    std::int32_t value = 0;
    if (bytes.size() >= offset + 4)
        std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST_F(RecordsTest, AFinishedScanWritesItsReportAndItsFirstEntry)
{
    options.infectionAction = kActionDelete;
    FinishedJob();
    ScriptedPrompter prompter;
    EXPECT_EQ(1u, WriteScanRecord(nullptr, options, job, job.Results()));
    const std::string table = TableBytes();
    ASSERT_EQ(512u, table.size());
    EXPECT_EQ(1, Int32At(table, 0));
    EXPECT_EQ(1, Int32At(table, 4));
    const scan_log::ScanLogEntry entry = scan_log::EntryFromBytes(reinterpret_cast<const std::uint8_t*>(&table[256]));
    EXPECT_EQ(2, entry.virusesFound);
    EXPECT_EQ("Local", scan_log::FieldText(entry.sourceMachine));
    EXPECT_EQ("C:\\DATA;A:\\;", scan_log::FieldText(entry.scannedPaths));
    EXPECT_EQ(std::string("\x7e\x0c\x09\x07\x00\x05", 6), std::string(reinterpret_cast<const char*>(entry.start), 6));
    EXPECT_EQ("IN000001.REC", scan_log::FieldText(entry.reportName));
    EXPECT_EQ(1, entry.action);
    EXPECT_EQ(0, entry.cancelled);
    EXPECT_EQ(1, entry.inUse);

    const std::string report = ReadAll("DB\\IN000001.REC");
    EXPECT_EQ(0u, report.find("Morwick Vexomar for Windows NT\r\n\r\nReport For Scan Executed On  "));
    const std::string tail = "Total Boot Virus Infections    \t: 0 \r\n"
                             "Total Boot Infections Cured    \t: 0 \r\n"
                             "\r\n"
                             "Total Directories Scanned      \t: 4 \r\n"
                             "Total Files Scanned            \t: 17 \r\n"
                             "Total Viruses Found            \t: 2 \r\n"
                             "\r\n"
                             "Total Files Infected           \t: 2 \r\n"
                             "Total Files Cured              \t: 0 \r\n"
                             "Total Files Deleted            \t: 1 \r\n"
                             "Total Files Purged             \t: 0 \r\n"
                             "Total Files Moved              \t: 0 \r\n"
                             "Total Files Renamed            \t: 0 \r\n"
                             "Total Files Renamed And Moved  \t: 0 \r\n"
                             "\r\n"
                             "Viruses Detected\r\n"
                             "File C:\\DATA\\A.COM infected with  EICAR-Test-File - Deleted \r\n"
                             "File HELLO.EXE infected with  Cinder - No Action \r\n"
                             "Message from ann@site, subject \"hello\"\r\n"
                             "\r\n";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(tail, report.substr(report.size() - tail.size()));
    EXPECT_NE(std::string::npos, report.find("  \r\n \r\n\r\n\r\nTotal Boot Virus"));
}

TEST_F(RecordsTest, AReportThatCannotBeWrittenLeavesNoEntryClaimingIt)
{
    FinishedJob();
    // Something in the report's place that cannot be replaced by a file.
    CreateDirectoryA("DB\\IN000001.REC", nullptr);
    ScriptedPrompter prompter;
    prompter.Expect("Failed to write Scan Record to the Scan Log.");
    EXPECT_EQ(0u, WriteScanRecord(nullptr, options, job, job.Results()));
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(std::string(256, '\0'), TableBytes());
}

TEST_F(RecordsTest, AMasterDatabaseThatCannotBeOpenedShows2000AndWritesNoReport)
{
    FinishedJob();
    CreateDirectoryA(kMasterDatabase, nullptr);
    ScriptedPrompter prompter;
    prompter.Expect("Unable To Access Master Database");
    EXPECT_EQ(0u, WriteScanRecord(nullptr, options, job, job.Results()));
    EXPECT_TRUE(prompter.Done());
    EXPECT_FALSE(Exists("DB\\IN000001.REC"));
    RemoveDirectoryA(kMasterDatabase);
}

TEST_F(RecordsTest, ACancelledScanStillWritesItsEntryMarkedCancelled)
{
    FinishedJob();
    job.SetCancelled(true);
    ScriptedPrompter prompter;
    ASSERT_EQ(1u, WriteScanRecord(nullptr, options, job, {}));
    const std::string table = TableBytes();
    EXPECT_EQ(1, table[256 + 245]);
    EXPECT_EQ(std::string::npos, ReadAll("DB\\IN000001.REC").find("Viruses Detected"));
}

TEST_F(RecordsTest, TheViewerListsEntriesInUseWithTheirWordsAndLeavesOutHighActions)
{
    MakeTable({Facts(3, 2, false, 5), Facts(0, 7, false, 6), Facts(0, 0, true, 7)});
    std::vector<std::string> lines;
    std::vector<std::uint32_t> numbers;
    std::vector<int> widths;
    std::vector<std::string> titles;
    std::string caption;
    int selected = -2;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& dialog = static_cast<CScanRecordsDlg&>(modal);
        caption = dialog.GetWindowText();
        for (int i = 0; i < dialog.List().ItemCount(); ++i) {
            lines.push_back(dialog.List().GetItemText(i));
            numbers.push_back(dialog.NumberAt(i));
        }
        selected = dialog.Selection();
        EXPECT_TRUE(IsItemEnabled(dialog.m_hWnd, IDC_RECORDS_DELETE_ALL));
        const ColListColumns& columns = dialog.List().Columns();
        for (int column = 0; column < columns.Count(); ++column)
            widths.push_back(columns[column].width / dialog.ColumnUnit());
        titles.push_back(columns[0].title + "|" + columns[5].title);
    });
    CScanRecordsDlg dialog;
    dialog.DoModal();
    EXPECT_EQ("Local Scanner - Scan Log", caption);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(
        " 3/07/1996   2:05 PM\tC:\\DATA;        \t3     \tRename File        \tCompleted\t0629223100918793", lines[0]);
    EXPECT_EQ(
        " 3/07/1996   2:07 PM\tC:\\DATA;        \t0     \tReport Only        \tCanceled\t0629223100919305", lines[1]);
    EXPECT_EQ((std::vector<std::uint32_t> {1, 3}), numbers);
    EXPECT_EQ(0, selected);
    EXPECT_EQ((std::vector<int> {18, 26, 10, 14, 13, 0}), widths);
    EXPECT_EQ((std::vector<std::string> {"Completed Time|Date Ascend"}), titles);
}

TEST_F(RecordsTest, WithoutAScanLogTheViewerSays4206AndDoesNotOpen)
{
    ScriptedPrompter prompter;
    prompter.Expect("Unable to Load Scan Record Table");
    ModalScript script;
    ViewScanningRecords(nullptr);
    EXPECT_EQ(0, script.Driven());
    EXPECT_TRUE(prompter.Done());
}

TEST_F(RecordsTest, DeletingAnEntryTakesItsReportAndItsNumberIsUsedAgain)
{
    MakeTable({Facts(0, 0, false, 1), Facts(0, 0, false, 2), Facts(0, 0, false, 3)});
    ScriptedPrompter prompter;
    prompter.Expect("Do you want to delete the selected Scan Log records ?", IDCANCEL)
        .Expect("Do you want to delete the selected Scan Log records ?", IDOK);
    std::vector<std::uint32_t> left;
    int selected = -2;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& dialog = static_cast<CScanRecordsDlg&>(modal);
        ::SendMessageA(dialog.List().ListBox(), LB_SETCURSEL, 1, 0);
        Click(dialog.m_hWnd, IDC_RECORDS_DELETE);  // Cancel: nothing changes
        EXPECT_TRUE(Exists("DB\\IN000002.REC"));
        Click(dialog.m_hWnd, IDC_RECORDS_DELETE);
        for (int i = 0; i < dialog.List().ItemCount(); ++i)
            left.push_back(dialog.NumberAt(i));
        selected = dialog.Selection();
    });
    CScanRecordsDlg dialog;
    dialog.DoModal();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ((std::vector<std::uint32_t> {1, 3}), left);
    EXPECT_EQ(1, selected);
    EXPECT_FALSE(Exists("DB\\IN000002.REC"));
    const std::string table = TableBytes();
    EXPECT_EQ(2, Int32At(table, 0));
    EXPECT_EQ(3, Int32At(table, 4));
    EXPECT_EQ(std::string(256, '\0'), table.substr(512, 256));

    FinishedJob();
    EXPECT_EQ(2u, WriteScanRecord(nullptr, options, job, job.Results()));
    EXPECT_EQ(3, Int32At(TableBytes(), 0));
    EXPECT_EQ(3, Int32At(TableBytes(), 4));
    EXPECT_TRUE(Exists("DB\\IN000002.REC"));
}

TEST_F(RecordsTest, AnEntryWhoseReportIsMissingIsNotDeletedButBeeps)
{
    MakeTable({Facts(0, 0, false, 1)}, false);
    const std::string before = TableBytes();
    ScriptedPrompter prompter;
    prompter.Expect("Do you want to delete the selected Scan Log records ?", IDOK).ExpectBeep();
    int rows = -1;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& dialog = static_cast<CScanRecordsDlg&>(modal);
        // The Delete key in the list does what the button does.
        ::SendMessageA(dialog.List().m_hWnd, WM_VKEYTOITEM, MAKEWPARAM(VK_DELETE, 0),
            reinterpret_cast<LPARAM>(dialog.List().ListBox()));
        rows = dialog.List().ItemCount();
    });
    CScanRecordsDlg dialog;
    dialog.DoModal();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(1, rows);
    EXPECT_EQ(before, TableBytes());
}

TEST_F(RecordsTest, DeleteAllRemovesEveryEntryAndReportEvenWithReportsMissing)
{
    MakeTable({Facts(1, 0, false, 1), Facts(0, 0, false, 2)});
    DeleteFileA("DB\\IN000001.REC");
    int rows = -1;
    bool deleteEnabled = true;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& dialog = static_cast<CScanRecordsDlg&>(modal);
        Click(dialog.m_hWnd, IDC_RECORDS_DELETE_ALL);
        rows = dialog.List().ItemCount();
        dialog.SendMessage(WM_IDLEUPDATECMDUI, 1);
        deleteEnabled = IsItemEnabled(dialog.m_hWnd, IDC_RECORDS_VIEW);
    });
    CScanRecordsDlg dialog;
    dialog.DoModal();
    EXPECT_EQ(0, rows);
    EXPECT_FALSE(deleteEnabled);
    EXPECT_FALSE(Exists("DB\\IN000002.REC"));
    EXPECT_EQ(std::string(256, '\0'), TableBytes());
}

TEST_F(RecordsTest, ViewShowsTheReportWithoutItsFinalLineEndOr2013WhenItIsMissing)
{
    MakeTable({Facts(0, 0, false, 1), Facts(0, 0, false, 2)});
    DeleteFileA("DB\\IN000002.REC");
    ScriptedPrompter prompter;
    prompter.Expect("Error file not exist");
    std::string caption, text;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& dialog = static_cast<CScanRecordsDlg&>(modal);
        Click(dialog.m_hWnd, IDC_RECORDS_VIEW);
        ::SendMessageA(dialog.List().ListBox(), LB_SETCURSEL, 1, 0);
        Click(dialog.m_hWnd, IDC_RECORDS_VIEW);
    });
    script.Then([&](CWnd& view) {
        caption = view.GetWindowText();
        text = view.GetDlgItemText(IDC_VIEW_RECORD_TEXT);
    });
    CScanRecordsDlg dialog;
    dialog.DoModal();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ("Record file: DB\\IN000001.REC", caption);
    EXPECT_EQ("Report 1\r\n", text);
}

TEST_F(RecordsTest, ATooLongReportIsCutWith2014AndAnEmptyOneShowsNothing)
{
    folder.Write("DB\\IN000009.REC", std::string(CViewRecordDlg::kShownLimit + 10, 'x'));
    folder.Write("DB\\IN000008.REC", "x");
    ScriptedPrompter prompter;
    prompter.Expect("File size is too long to show, truncating to fit !!!");
    std::string text;
    ASSERT_TRUE(ReadRecordFile(nullptr, "DB\\IN000009.REC", text));
    EXPECT_EQ(CViewRecordDlg::kShownLimit, text.size());
    ASSERT_TRUE(ReadRecordFile(nullptr, "DB\\IN000008.REC", text));
    EXPECT_EQ("", text);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(RecordsTest, AReportThatCannotBeOpenedShows2000AndNothingOpens)
{
    const std::string path = folder.Write("DB\\IN000003.REC", "locked\r\n");
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    ScriptedPrompter prompter;
    prompter.Expect("Unable To Access Master Database");
    ModalScript script;
    ShowRecordFile(nullptr, "DB\\IN000003.REC");
    CloseHandle(lock);
    EXPECT_EQ(0, script.Driven());
    EXPECT_TRUE(prompter.Done());
}

TEST_F(RecordsTest, FindSelectsTheNextLineHoldingTheTextOrSays2012)
{
    MakeTable({Facts(0, 0, false, 1), Facts(0, 0, true, 2), Facts(0, 1, false, 3), Facts(0, 0, true, 4)});
    ScriptedPrompter prompter;
    prompter.Expect("String Not Found").Expect("String Not Found");
    std::vector<int> selections;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& dialog = static_cast<CScanRecordsDlg&>(modal);
        Click(dialog.m_hWnd, IDC_RECORDS_SEARCH);
        ASSERT_NE(nullptr, dialog.FindDialog());
        CWnd& find = *dialog.FindDialog();
        TypeText(find.m_hWnd, IDC_FIND_TEXT, "canceled");
        Click(find.m_hWnd, IDC_FIND_NEXT);
        selections.push_back(dialog.Selection());
        Click(find.m_hWnd, IDC_FIND_NEXT);
        selections.push_back(dialog.Selection());
        Click(find.m_hWnd, IDC_FIND_NEXT);  // nothing further down
        selections.push_back(dialog.Selection());
        find.CheckDlgButton(IDC_FIND_DOWN, BST_UNCHECKED);
        find.CheckDlgButton(IDC_FIND_UP, BST_CHECKED);
        TypeText(find.m_hWnd, IDC_FIND_TEXT, "Delete File");
        Click(find.m_hWnd, IDC_FIND_NEXT);
        selections.push_back(dialog.Selection());
        TypeText(find.m_hWnd, IDC_FIND_TEXT, "Purge");
        Click(find.m_hWnd, IDC_FIND_NEXT);
        selections.push_back(dialog.Selection());
    });
    CScanRecordsDlg dialog;
    dialog.DoModal();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ((std::vector<int> {1, 3, 3, 2, 2}), selections);
}

TEST_F(RecordsTest, ResultsShowTheCountersTimesAndDetectionsAndADoubleClickTheMessage)
{
    FinishedJob();
    std::map<int, std::string> shown;
    std::vector<std::string> rows;
    std::string caption;
    ScriptedPrompter prompter;
    prompter.Expect("Message from ann@site, subject \"hello\"");
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& dialog = static_cast<CScanResultsDlg&>(modal);
        caption = dialog.GetWindowText();
        for (int id = IDC_RESULTS_DIRS; id <= IDC_RESULTS_ELAPSED; ++id)
            shown[id] = dialog.GetDlgItemText(id);
        CColList& list = dialog.DetectionsList().Window();
        for (int i = 0; i < list.ItemCount(); ++i)
            rows.push_back(list.GetItemText(i));
        dialog.ShowMessageInfo(0);  // a file without a message: no box
        dialog.ShowMessageInfo(1);
        Click(dialog.m_hWnd, IDOK);
    });
    CScanResultsDlg dialog(options, job, job.Results());
    dialog.DoModal();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ("Virus Scan Results", caption);
    EXPECT_EQ("4", shown[IDC_RESULTS_DIRS]);
    EXPECT_EQ("17", shown[IDC_RESULTS_FILES]);
    EXPECT_EQ("2", shown[IDC_RESULTS_VIRUSES]);
    EXPECT_EQ("1", shown[IDC_RESULTS_BOOT_SCANNED]);
    EXPECT_EQ("2", shown[IDC_RESULTS_INFECTED]);
    EXPECT_EQ("1", shown[IDC_RESULTS_DELETED]);
    EXPECT_EQ("0", shown[IDC_RESULTS_MOVED_RENAMED]);
    EXPECT_EQ(CScanResultsDlg::TimeText(job.StartTime()), shown[IDC_RESULTS_START]);
    EXPECT_FALSE(shown[IDC_RESULTS_START].empty());
    EXPECT_EQ("01:02:03", shown[IDC_RESULTS_ELAPSED]);
    EXPECT_EQ(
        (std::vector<std::string> {"C:\\DATA\\A.COM\tEICAR-Test-File\tDeleted", "HELLO.EXE\tCinder\tNo Action"}), rows);
}

TEST(ScanResultsElapsed, SpansMidnightAndNeverGoesBelowZero)
{
    EXPECT_EQ("00:00:02",
        CScanResultsDlg::ElapsedText(SampleTime(2026, 12, 9, 23, 59, 59), SampleTime(2026, 12, 10, 0, 0, 1)));
    EXPECT_EQ(
        "00:00:00", CScanResultsDlg::ElapsedText(SampleTime(2026, 12, 9, 10, 0, 0), SampleTime(2026, 12, 9, 9, 0, 0)));
    EXPECT_EQ(
        "100:00:00", CScanResultsDlg::ElapsedText(SampleTime(2026, 12, 1, 0, 0, 0), SampleTime(2026, 12, 5, 4, 0, 0)));
}

TEST_F(RecordsTest, ResultsBeepWhileVirusesWereFoundOnlyWhenBeepingIsOnAndTheyHoldTheFocus)
{
    FinishedJob();
    ScriptedPrompter prompter;
    prompter.ExpectBeep();
    int beepsWithoutFocus = -1;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        auto& dialog = static_cast<CScanResultsDlg&>(modal);
        ::SetFocus(dialog.GetDlgItem(IDOK));
        dialog.SendMessage(WM_TIMER, CScanResultsDlg::kBeepTimer);
        ::ShowWindow(dialog.m_hWnd, SW_HIDE);
        dialog.SendMessage(WM_TIMER, CScanResultsDlg::kBeepTimer);
        beepsWithoutFocus = static_cast<int>(prompter.Shown().size());
    });
    options.beepOnDetect = 1;
    CScanResultsDlg dialog(options, job, job.Results());
    dialog.DoModal();
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(1, beepsWithoutFocus);

    ScriptedPrompter quiet;
    options.beepOnDetect = 0;
    ModalScript quietScript;
    quietScript.Then([&](CWnd& modal) {
        ::SetFocus(modal.GetDlgItem(IDOK));
        modal.SendMessage(WM_TIMER, CScanResultsDlg::kBeepTimer);
    });
    CScanResultsDlg silent(options, job, job.Results());
    silent.DoModal();
    EXPECT_TRUE(quiet.Shown().empty());
}

TEST_F(RecordsTest, TheProgressFormShowsTheJobAndItsNewRowsAndStretches)
{
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    CScanProgressForm form;
    ASSERT_TRUE(form.Create(parent));
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    FinishedJob();
    job.SetCurrentItem("C:\\DATA\\SUB\\B.EXE");
    form.Begin(job);
    EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ("17", form.GetDlgItemText(IDC_PROGRESS_FILES));
    EXPECT_EQ("4", form.GetDlgItemText(IDC_PROGRESS_DIRS));
    EXPECT_EQ("2", form.GetDlgItemText(IDC_PROGRESS_INFECTED));
    EXPECT_EQ("C:\\DATA\\SUB", form.GetDlgItemText(IDC_PROGRESS_DIRECTORY));
    EXPECT_EQ("C:\\DATA\\SUB\\B.EXE", form.GetDlgItemText(IDC_PROGRESS_FILE));
    EXPECT_EQ(2, form.DetectionsList().Count());
    job.Add("C:\\DATA\\SUB\\B.EXE", "Zeta", "Renamed");
    form.SendMessage(WM_TIMER, CScanProgressForm::kRefreshTimer);
    ASSERT_EQ(3u, form.Detections().size());
    EXPECT_EQ("Zeta", form.Detections()[2].virus);

    RECT small = {0, 0, 400, 300};
    form.SetBounds(small);
    const RECT listSmall = form.DetectionsList().Window().GetWindowRect();
    RECT large = {0, 0, 700, 500};
    form.SetBounds(large);
    const RECT listLarge = form.DetectionsList().Window().GetWindowRect();
    EXPECT_EQ(300, (listLarge.right - listLarge.left) - (listSmall.right - listSmall.left));
    EXPECT_EQ(200, (listLarge.bottom - listLarge.top) - (listSmall.bottom - listSmall.top));

    form.End();
    EXPECT_FALSE(GetWindowLongA(form.Handle(), GWL_STYLE) & WS_VISIBLE);
    DestroyWindow(parent);
}

TEST_F(RecordsTest, ARealScanThroughTheFormLeavesItsResultsAndItsRecord)
{
    RealEngine engine;
    ASSERT_TRUE(engine.Loaded());
    const std::string infected = folder.Write("SAMPLE\\EICAR.COM", EicarFile());
    folder.Write("SAMPLE\\CLEAN.TXT", "clean\r\n");
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    CScanProgressForm form;
    ASSERT_TRUE(form.Create(parent));
    RecordingAlerts alerts;
    ScriptedPrompter prompter;
    // Items that come with a message, as a mail database's attachments do.
    class MessageSource : public PathListSource {
    public:
        using PathListSource::PathListSource;
        std::string MessageInformation() const override { return "From ann, \"Invoice\""; }
    };
    MessageSource samples({folder.Path("SAMPLE")}, archive, 0);
    PanelScanJob scan(samples, ScanServices {engine.binding, archive, 0, options, alerts, nullptr}, form);
    form.Begin(scan);
    scan.Run();
    form.End();
    std::string viruses;
    ModalScript script;
    script.Then([&](CWnd& modal) {
        viruses = modal.GetDlgItemText(IDC_RESULTS_VIRUSES);
        Click(modal.m_hWnd, IDOK);
    });
    FinishScan(nullptr, options, scan, form);
    DestroyWindow(parent);
    EXPECT_EQ("1", viruses);
    EXPECT_NE(std::string::npos,
        ReadAll("DB\\IN000001.REC")
            .find("File " + infected + " infected with  EICAR-Test-File - No Action \r\nFrom ann, \"Invoice\"\r\n"));
    const std::string table = TableBytes();
    ASSERT_EQ(512u, table.size());
    EXPECT_EQ(1, Int32At(table, 256 + 4));
    EXPECT_EQ(folder.Path("SAMPLE") + ";", std::string(&table[256 + 44]));
}

TEST_F(RecordsTest, PrintSendsTheListThroughThePrintBufferToThePostScriptPrinter)
{
    MakeTable({Facts(1, 0, false, 1), Facts(0, 3, true, 2)});
    const std::string output = folder.Path("records.ps");
    PostScriptPrinterChoice printers;
    CScanRecordsDlg dialog;
    dialog.m_printOutputFile = output;
    ModalScript script;
    script.Then([](CWnd& modal) {
        Click(modal.m_hWnd, IDC_RECORDS_PRINT);
        Click(modal.m_hWnd, IDCANCEL);
    });
    script.Then([](CWnd&) {});  // "Sending To Printer" is left to run
    dialog.DoModal();
    EXPECT_NE(std::string::npos, ReadAll(output).find("%%Page:"));
}

TEST_F(RecordsTest, ARecordDirectoryThatCannotBeMadeIsReportedAndTheCallGoesOn)
{
    RemoveDirectoryA("DB");
    ScriptedPrompter quiet;
    EXPECT_TRUE(EnsureScanRecordDirectory(nullptr));
    EXPECT_TRUE(EnsureScanRecordDirectory(nullptr));
    EXPECT_TRUE(quiet.Shown().empty());
    RemoveDirectoryA("DB");
    folder.Write("DB", "a file where the folder belongs");
    ScriptedPrompter prompter;
    prompter.Expect("Invalid Scan Record Directory");
    EXPECT_FALSE(EnsureScanRecordDirectory(nullptr));
    EXPECT_TRUE(prompter.Done());
}

TEST_F(RecordsTest, ViewWhileTheListPrintsPrintsTheReportInsteadOfOpeningIt)
{
    MakeTable({Facts(1, 0, false, 1)});
    folder.Write("DB\\IN000001.REC", "Report one, printed\r\n");
    const std::string list = folder.Path("list.ps");
    const std::string report = folder.Path("report.ps");
    PostScriptPrinterChoice printers;
    CScanRecordsDlg dialog;
    dialog.m_printOutputFile = list;
    dialog.m_reportPrintOutputFile = report;
    ModalScript script;
    script.Then([](CWnd& modal) {
        Click(modal.m_hWnd, IDC_RECORDS_PRINT);
        Click(modal.m_hWnd, IDCANCEL);
    });
    // Inside the list's "Sending To Printer": View asks for the report, which prints at once.
    script.Then([&](CWnd&) { Click(dialog.m_hWnd, IDC_RECORDS_VIEW); });
    script.Then([](CWnd&) {});
    dialog.DoModal();
    EXPECT_NE(std::string::npos, ReadAll(list).find("%%Page:"));
    EXPECT_NE(std::string::npos, ReadAll(report).find("%%Page:"));
}
