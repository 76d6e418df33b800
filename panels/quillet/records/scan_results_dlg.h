// CScanResultsDlg: "Virus Scan Results", the counters and times of the last job with its
// detections; it beeps while viruses were found and it holds the focus.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "detections_list.h"
#include "dialog.h"
#include "local_scan_options.h"
#include "scan_job.h"

class CScanResultsDlg : public CDialog {
public:
    static constexpr UINT_PTR kBeepTimer = 1;
    static constexpr UINT kBeepMilliseconds = 500;
    static constexpr UINT kListId = 101;

    // `detections` are the progress form's rows, in its order.
    CScanResultsDlg(const LocalScanOptions& options, const ScanJob& job, std::vector<ScanResultLine> detections,
        CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    const MessageMap& GetMessageMap() const override;

    // "%02ld:%02d:%02d" of stop minus start; a stop before the start counts as no time.
    static std::string ElapsedText(const SYSTEMTIME& start, const SYSTEMTIME& stop);
    // The user's time format; empty for a time never set.
    static std::string TimeText(const SYSTEMTIME& time);

    // One tick of the beep timer: a beep when viruses were found, beeping is on and the
    // dialog is visible and holds the focus.
    void OnBeepTick();
    // The message information of the row at `position` in a message box, when it has one.
    void ShowMessageInfo(int position);
    CDetectionsList& DetectionsList() { return m_detections; }

private:
    void OnTimer(UINT_PTR id);
    void OnListDoubleClick();
    void OnDestroyDialog();

    const LocalScanOptions& m_options;
    const ScanJob& m_job;
    std::vector<ScanResultLine> m_rows;
    CDetectionsList m_detections;
};
