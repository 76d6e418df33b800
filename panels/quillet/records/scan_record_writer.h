// What a finished scan leaves behind: its report file in "DB" and its entry in MASTER.DB.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "local_scan_options.h"
#include "scan_job.h"
#include "scan_log_entry.h"
#include "scan_report_text.h"

// The report's texts from the string table.
scan_report::ReportStrings LoadReportStrings();
// The entry's facts from the job and the options in force.
scan_log::ScanLogFacts ScanLogFactsOf(const LocalScanOptions& options, const ScanJob& job);
// The report file's text (line feeds only) for the job and its detections in list order.
std::string ScanReportText(const ScanJob& job, const std::vector<ScanResultLine>& detections);

// Writes the scan's report and then its log entry, so that no entry ever names a report that
// is not there whole: a report that cannot be written leaves no entry (and no partial file),
// an entry that cannot be written takes its report away again. The failures show 2000 or 524.
// Answers the entry's number, 0 when nothing was recorded.
std::uint32_t WriteScanRecord(
    HWND owner, const LocalScanOptions& options, const ScanJob& job, const std::vector<ScanResultLine>& detections);
