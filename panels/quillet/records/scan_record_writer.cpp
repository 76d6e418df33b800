// The scan's record: report first, entry second, and nothing left half-done on a failure.
#include "scan_record_writer.h"

#include "module.h"
#include "prompter.h"
#include "quillet_records_ids.h"
#include "quillet_scan_ids.h"
#include "scan_log_file.h"
#include "scan_log_table.h"

namespace {

void Warn(HWND owner, UINT text)
{
    Prompter::Current().Show(owner, LoadResString(text), LoadResString(IDS_SCAN_CAPTION), MB_OK | MB_ICONEXCLAMATION);
}

std::string LocaleText(const SYSTEMTIME& time, bool date)
{
    char text[80] = {};
    const int length = date ? GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text)
                            : GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, text, sizeof text);
    return length > 0 ? std::string(text) : std::string();
}

// The whole text or nothing: a partial file is removed.
bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool complete =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    const bool closed = CloseHandle(file) != FALSE;
    if (complete && closed)
        return true;
    DeleteFileA(path.c_str());
    return false;
}

}  // namespace

scan_report::ReportStrings LoadReportStrings()
{
    scan_report::ReportStrings strings;
    strings.header = LoadResString(IDS_REPORT_HEADER);
    for (UINT i = 0; i < scan_report::kCounterLineCount; ++i)
        strings.counterLines.push_back(LoadResString(IDS_REPORT_BOOT_INFECTIONS + i));
    strings.detectedTitle = LoadResString(IDS_REPORT_VIRUSES_DETECTED);
    strings.detectionLine = LoadResString(IDS_RECORD_DETECTION_LINE);
    return strings;
}

scan_log::ScanLogFacts ScanLogFactsOf(const LocalScanOptions& options, const ScanJob& job)
{
    scan_log::ScanLogFacts facts;
    facts.virusesFound = static_cast<std::int32_t>(job.Counters().virusesFound);
    facts.sourceMachine = LoadResString(IDS_SOURCE_LOCAL);
    facts.scannedPaths = job.ScannedPaths();
    const SYSTEMTIME& start = job.StartTime();
    facts.start = {start.wYear, start.wMonth, start.wDay, start.wHour, start.wMinute, start.wSecond};
    facts.action = options.infectionAction;
    facts.cancelled = job.Cancelled();
    return facts;
}

std::string ScanReportText(const ScanJob& job, const std::vector<ScanResultLine>& detections)
{
    const SYSTEMTIME& start = job.StartTime();
    return scan_report::ReportText(
        LoadReportStrings(), LocaleText(start, true), LocaleText(start, false), job.Counters(), detections);
}

std::uint32_t WriteScanRecord(
    HWND owner, const LocalScanOptions& options, const ScanJob& job, const std::vector<ScanResultLine>& detections)
{
    ScanLogFile table;
    const bool existed = FileExists(kMasterDatabase);
    if (!table.Open(kMasterDatabase, existed ? ScanLogFile::Mode::ReadWrite : ScanLogFile::Mode::CreateNew)) {
        Warn(owner, IDS_MASTER_DB_UNREACHABLE);
        return 0;
    }
    if (!existed && !scan_log::WriteEmptyHeader(table)) {
        Warn(owner, IDS_SCAN_LOG_WRITE_FAILED);
        return 0;
    }
    const std::uint32_t number = scan_log::ChooseEntryNumber(table);
    // The panel made the folder when it opened; one removed since is made again, quietly.
    CreateDirectoryA(kRecordDirectory, nullptr);
    const std::string report = ReportFilePath(number);
    if (!WriteWholeFile(report, scan_report::TextModeBytes(ScanReportText(job, detections)))) {
        Warn(owner, IDS_SCAN_LOG_WRITE_FAILED);
        return 0;
    }
    if (!scan_log::WriteEntry(table, number, scan_log::MakeEntry(ScanLogFactsOf(options, job), number))) {
        // Neither half stays: a slot that was written is taken back, and the report goes with it.
        scan_log::EraseSlot(table, number);
        DeleteFileA(report.c_str());
        Warn(owner, IDS_SCAN_LOG_WRITE_FAILED);
        return 0;
    }
    return number;
}
