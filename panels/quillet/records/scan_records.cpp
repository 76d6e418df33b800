// The results dialog and the record at the end of a scan; the scan log viewer.
#include "scan_records.h"

#include "scan_record_writer.h"
#include "scan_records_dlg.h"
#include "scan_results_dlg.h"

namespace {

// The framework's dialogs take their owner as a window object; a borrowed handle serves.
class BorrowedWindow : public CWnd {
public:
    explicit BorrowedWindow(HWND window)
    {
        if (window)
            Attach(window);
    }
    ~BorrowedWindow() override { Detach(); }
};

// The window's own object when it has one, else the borrowed one.
CWnd* ParentFor(HWND owner, BorrowedWindow& borrowed)
{
    if (CWnd* existing = CWnd::FromHandlePermanent(owner))
        return existing;
    return borrowed.m_hWnd ? &borrowed : nullptr;
}

}  // namespace

void FinishScan(HWND owner, const LocalScanOptions& options, const ScanJob& job, CScanProgressForm& form)
{
    const std::vector<ScanResultLine> detections = form.Detections();
    BorrowedWindow parent(owner);
    CScanResultsDlg results(options, job, detections, ParentFor(owner, parent));
    results.DoModal();
    WriteScanRecord(owner, options, job, detections);
}

void ViewScanningRecords(HWND owner)
{
    BorrowedWindow parent(owner);
    CScanRecordsDlg dialog(ParentFor(owner, parent));
    dialog.DoModal();
}
