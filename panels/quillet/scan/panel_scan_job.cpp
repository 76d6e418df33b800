// PanelScanJob: the local job with the panel's progress form kept current.
#include "panel_scan_job.h"

#include "module.h"

namespace {

// The mail root's label ("Lotus Notes"), which the scan log lists among the scanned paths.
constexpr UINT kMailRootLabel = 29013;

}  // namespace

PanelScanJob::PanelScanJob(ScanItemSource& source, ScanServices services, ScanProgress& progress)
    : LocalScanJob(source, services), m_progress(progress)
{
}

int PanelScanJob::OnStartItem(const std::string& name)
{
    m_progress.ShowNode(name);
    return 1;
}

bool PanelScanJob::OnStartPath(const std::string& path)
{
    m_progress.ShowNode(path);
    const bool scanned = LocalScanJob::OnStartPath(path);
    m_progress.ShowCounters(m_counters);
    return scanned;
}

void PanelScanJob::OnEnterDirectory()
{
    LocalScanJob::OnEnterDirectory();
    m_progress.ShowCounters(m_counters);
}

void PanelScanJob::OnFileName(const std::string& name)
{
    LocalScanJob::OnFileName(name);
    if (name == LoadResString(kMailRootLabel))
        m_scannedPaths += name + ";";
    m_progress.ShowNode(name);
}

void PanelScanJob::OnLeaveItem()
{
    m_progress.ShowCounters(m_counters);
}

void PanelScanJob::OnLeavePath()
{
    m_progress.ShowCounters(m_counters);
}

void PanelScanJob::OnLeaveDirectory()
{
    m_progress.ShowCounters(m_counters);
}

void PanelScanJob::OnLeaveFileName()
{
    m_progress.ShowCounters(m_counters);
}

bool PanelScanJob::Begin()
{
    m_progress.Started();
    m_progress.ShowCounters(m_counters);
    return LocalScanJob::Begin();
}

void PanelScanJob::End()
{
    m_progress.ShowCounters(m_counters);
    m_progress.Finished();
}
