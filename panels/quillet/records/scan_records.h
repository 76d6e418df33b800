// The end of a scan: the results, the scan log's entry and the report; and the scan log viewer
// (stand-ins with their calls until the scan records arrive).
#pragma once

#include <windows.h>

#include "local_scan_options.h"
#include "scan_job.h"
#include "scan_progress_form.h"

void FinishScan(HWND owner, const LocalScanOptions& options, const ScanJob& job, CScanProgressForm& form);
void ViewScanningRecords(HWND owner);
