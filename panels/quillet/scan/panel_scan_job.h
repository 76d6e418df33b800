// PanelScanJob: the job the panel's Start command runs; it keeps the panel's progress form
// up to date as the walk enters and leaves nodes, and gives the windows back at the end.
#pragma once

#include <string>

#include "local_scan_job.h"

// What the panel shows of a running scan.
class ScanProgress {
public:
    virtual ~ScanProgress() = default;
    // The run begins: the panel holds what must not change under it (the drive watcher).
    virtual void Started() { }
    virtual void ShowNode(const std::string& text) = 0;
    virtual void ShowCounters(const ScanCounters& counters) = 0;
    // The run is over: the panel enables its windows again.
    virtual void Finished() = 0;
};

class PanelScanJob : public LocalScanJob {
public:
    PanelScanJob(ScanItemSource& source, ScanServices services, ScanProgress& progress);

    int OnStartItem(const std::string& name) override;
    bool OnStartPath(const std::string& path) override;
    void OnEnterDirectory() override;
    void OnFileName(const std::string& name) override;
    void OnLeaveItem() override;
    void OnLeavePath() override;
    void OnLeaveDirectory() override;
    void OnLeaveFileName() override;
    bool Begin() override;
    void End() override;

private:
    ScanProgress& m_progress;
};
