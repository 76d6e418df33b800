// ScanJob: the run itself; what happens at each item is the derived job's business.
#include "scan_job.h"

#include "quillet_scan_ids.h"
#include "module.h"

int ScanJob::OnStartItem(const std::string&)
{
    return 1;
}

void ScanJob::AddResult(const std::string& item, const std::string& outcome)
{
    m_results.push_back({item, m_virusName, outcome, m_source.MessageInformation()});
    m_lastResult = outcome;
}

void ScanJob::Run()
{
    GetLocalTime(&m_startTime);
    m_stopTime = {};
    m_counters = {};
    m_cancelled = false;
    m_scannedPaths.clear();
    m_results.clear();
    m_lastResult.clear();
    m_source.Attach(*this);
    if (!Begin()) {
        // The panel's windows come back even when the engine refused the options.
        End();
        GetLocalTime(&m_stopTime);
        return;
    }
    const std::string skipped = LoadResString(IDS_SCAN_NEVER_SCANNED_NAME);
    for (bool more = m_source.First(); more && !m_cancelled; more = m_cancelled ? false : m_source.Next()) {
        PumpMessages();
        if (m_cancelled)
            break;
        if (IsItemOfInterest()) {
            // The engine's own library is never handed to itself; the comparison is exact.
            if (m_source.Name() != skipped && m_source.AcceptForScan() && OnOtherItem()) {
                ScanCurrentFile();
                ScanContainers();
                m_source.ItemDone();
            }
        } else {
            OnOtherItem();
        }
    }
    End();
    GetLocalTime(&m_stopTime);
}
