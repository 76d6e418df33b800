// QRECSHOW.EXE: the scan records' windows over sample data, for a look.
// "QRECSHOW progress" (the progress form in a window), "QRECSHOW results", "QRECSHOW records"
// (the scan log viewer over a sample log made in the current directory), "QRECSHOW view" (its
// first report) and "QRECSHOW print FILE.ps" (the log's list and one report to the PostScript printer).
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework.h"
#include "modal_driver.h"
#include "path_list_source.h"
#include "postscript_printer_choice.h"
#include "prntbuf.h"
#include "quillet_records_ids.h"
#include "quillet_fakes.h"
#include "sample_scan_job.h"
#include "scan_log_file.h"
#include "scan_progress_form.h"
#include "scan_record_writer.h"
#include "scan_records.h"
#include "scan_records_dlg.h"
#include "scan_results_dlg.h"
#include "view_record_dlg.h"

namespace {

FakeArchive g_archive;
PathListSource g_source({}, g_archive, 0);

void FillSample(SampleScanJob& job, int variant)
{
    ScanCounters& counters = job.EditCounters();
    counters.directoriesScanned = 12 + variant;
    counters.filesScanned = 348 + 17 * variant;
    counters.virusesFound = variant == 1 ? 0 : 3;
    counters.filesInfected = counters.virusesFound;
    counters.filesDeleted = variant == 0 ? 1 : 0;
    counters.filesRenamed = variant == 0 ? 1 : 0;
    counters.bootSectorsScanned = 1;
    job.SetTimes(
        SampleTime(2026, 12, 1 + variant, 9 + variant, 14, 5), SampleTime(2026, 12, 1 + variant, 9 + variant, 31, 47));
    job.SetScannedPaths(variant == 2 ? "C:\\USERS\\SHARED;Lotus Notes;" : "C:\\DATA;A:\\;");
    job.SetCancelled(variant == 1);
    job.SetCurrentItem("C:\\DATA\\PROJECTS\\REPORTS\\Q4\\SUMMARY.DOC");
    if (counters.virusesFound == 0)
        return;
    job.Add("C:\\DATA\\TOOLS\\SETUP.EXE", "EICAR-Test-File", variant == 0 ? "Deleted" : "No Action");
    job.Add("C:\\DATA\\OLD\\LOADER.COM", "Kelvex-Test-Append", variant == 0 ? "Renamed" : "No Action");
    job.Add("INVOICE.EXE", "Kelvex-Test-Hash", "No Action", "Message from ann@orvane.site, subject \"Invoice\"");
}

void MakeSampleLog()
{
    if (FileExists(kMasterDatabase))
        return;
    CreateDirectoryA(kRecordDirectory, nullptr);
    LocalScanOptions options;
    const int actions[] = {kActionDelete, kActionReportOnly, kActionRenameAndMove, kActionCure};
    for (int variant = 0; variant < 4; ++variant) {
        SampleScanJob job(g_source);
        FillSample(job, variant % 3);
        options.infectionAction = actions[variant];
        WriteScanRecord(nullptr, options, job, job.Results());
    }
}

// Presses the viewer's Print and closes it; the "Sending To Printer" box is left to run.
class PressPrint : public ModalDriver {
public:
    PressPrint() { m_previous = Install(this); }
    ~PressPrint() override { Install(m_previous); }
    void Drive(CWnd& modal) override
    {
        if (m_pressed)
            return;
        m_pressed = true;
        modal.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RECORDS_PRINT, BN_CLICKED));
        modal.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    }

private:
    bool m_pressed = false;
    ModalDriver* m_previous;
};

LRESULT CALLBACK ShowWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SIZE) {
        if (HWND form = GetWindow(window, GW_CHILD))
            MoveWindow(form, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ShowProgress()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ShowWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "QRecShowFrame";
    RegisterClassA(&windowClass);
    HWND frame = CreateWindowExA(0, "QRecShowFrame", "Local Scanner", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20,
        720, 420, nullptr, nullptr, windowClass.hInstance, nullptr);
    SampleScanJob job(g_source);
    FillSample(job, 0);
    CScanProgressForm form;
    form.Create(frame);
    form.Begin(job);
    RECT client = {};
    GetClientRect(frame, &client);
    form.SetBounds(client);
    ShowWindow(frame, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

class CRecordsShowApp : public CWinApp {
public:
    CRecordsShowApp() : CWinApp("Local Scanner") { }

    BOOL InitInstance() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        const std::string what = __argc > 1 ? __argv[1] : "records";
        if (what == "progress") {
            ShowProgress();
        } else if (what == "results") {
            SampleScanJob job(g_source);
            FillSample(job, 0);
            LocalScanOptions options;
            options.beepOnDetect = 0;
            CScanResultsDlg dialog(options, job, job.Results());
            dialog.DoModal();
        } else if (what == "print") {
            MakeSampleLog();
            PostScriptPrinterChoice printer;
            const std::string output = __argc > 2 ? __argv[2] : "records.ps";
            WPrntbuf report;
            report.SetOutputFile(output + ".report.ps");
            if (report.StartJob("Record file: DB\\IN000001.REC"))
                report.PrintFile(ReportFilePath(1), 8);
            PressPrint press;
            CScanRecordsDlg dialog;
            dialog.m_printOutputFile = output;
            dialog.DoModal();
        } else if (what == "view") {
            MakeSampleLog();
            ShowRecordFile(nullptr, ReportFilePath(1));
        } else {
            MakeSampleLog();
            ViewScanningRecords(nullptr);
        }
        return FALSE;
    }
};

CRecordsShowApp g_app;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    return g_app.WinMainBody(instance, commandLine, show);
}
