// Stand-ins: nothing is recorded yet.
#include "scan_records.h"

void FinishScan(HWND, const LocalScanOptions&, const ScanJob&, CScanProgressForm&)
{
}

void ViewScanningRecords(HWND)
{
}
