// CScanProgressForm: the form the panel shows in place of its file list while a scan runs:
// the job's counters, where it is, and the detections so far, refreshed every 500 ms.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "detections_list.h"
#include "dialog.h"
#include "panel_scan_job.h"

class CScanProgressForm : public CDialog, public ScanProgress {
public:
    static constexpr UINT_PTR kRefreshTimer = 1;
    static constexpr UINT kRefreshMilliseconds = 500;
    static constexpr UINT kListId = 101;

    CScanProgressForm();
    ~CScanProgressForm() override;

    // The form as a hidden child of `parent`; false when it cannot be made.
    bool Create(HWND parent);
    HWND Handle() const { return m_hWnd; }
    void SetBounds(const RECT& bounds);
    // A new scan: the detections are cleared, the form is shown and the refresh starts.
    void Begin(const ScanJob& job);
    // The scan is over: the refresh stops after a last one and the form is hidden.
    void End();

    // What the job reports as it walks; the form reads the job itself on each refresh.
    void ShowNode(const std::string& text) override;
    void ShowCounters(const ScanCounters& counters) override;
    void Finished() override;

    // Reads the job's counters, place and new detection rows into the form.
    void Refresh();
    // The detections so far, in list order: what the results dialog takes over.
    std::vector<ScanResultLine> Detections() const { return m_detections.Rows(); }
    CDetectionsList& DetectionsList() { return m_detections; }

    BOOL OnInitDialog() override;
    const MessageMap& GetMessageMap() const override;
    // A child form has no OK or Cancel of its own: Enter and Escape do not end it.
    void OnOK() override { }
    void OnCancel() override { }

private:
    void OnTimer(UINT_PTR id);
    void OnSizeForm(UINT type, int cx, int cy);
    void OnDestroyForm();

    const ScanJob* m_job = nullptr;
    std::string m_node;
    size_t m_shownResults = 0;
    CDetectionsList m_detections;
    // The right and bottom margins of the template, kept as the form stretches.
    int m_lineMargin = 0;
    int m_listMargin = 0;
};
