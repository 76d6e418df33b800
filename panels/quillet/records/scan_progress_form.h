// CScanProgressForm: the form that takes the file list's place while a scan runs (a stand-in
// with the form's calls until the scan records arrive).
#pragma once

#include <windows.h>

#include <string>

#include "panel_scan_job.h"

class CScanProgressForm : public ScanProgress {
public:
    ~CScanProgressForm() override;
    // A hidden child of `parent`.
    bool Create(HWND parent);
    HWND Handle() const { return m_window; }
    void SetBounds(const RECT& bounds);
    // Shows the form for the job's run.
    void Begin(const ScanJob& job);
    void End();

    void ShowNode(const std::string& text) override;
    void ShowCounters(const ScanCounters& counters) override;
    void Finished() override { }

private:
    HWND m_window = nullptr;
};
