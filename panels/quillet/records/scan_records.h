// What the panel calls at the end of a scan and for its Scan Log command.
#pragma once

#include <windows.h>

#include "local_scan_options.h"
#include "scan_job.h"
#include "scan_progress_form.h"

// "Virus Scan Results" over the job with the form's detections, then the scan's record (its
// report and its log entry).
void FinishScan(HWND owner, const LocalScanOptions& options, const ScanJob& job, CScanProgressForm& form);

// "View scanning records" over MASTER.DB of the current directory.
void ViewScanningRecords(HWND owner);
