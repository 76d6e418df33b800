// A finished scan made up by hand: counters, times, scanned paths and result lines set directly,
// for the results dialog, the scan record and the progress form to show.
#pragma once

#include <windows.h>

#include <string>

#include "scan_job.h"

class SampleScanJob : public ScanJob {
public:
    using ScanJob::ScanJob;

    ScanCounters& EditCounters() { return m_counters; }
    void SetTimes(const SYSTEMTIME& start, const SYSTEMTIME& stop)
    {
        m_startTime = start;
        m_stopTime = stop;
    }
    void SetScannedPaths(const std::string& paths) { m_scannedPaths = paths; }
    void SetCurrentItem(const std::string& item) { m_currentItem = item; }
    void SetCancelled(bool cancelled) { m_cancelled = cancelled; }
    void Add(const std::string& item, const std::string& virus, const std::string& outcome,
        const std::string& messageInfo = "")
    {
        m_results.push_back({item, virus, outcome, messageInfo});
    }

    bool OnStartPath(const std::string&) override { return true; }
    void OnEnterDirectory() override { }
    void OnFileName(const std::string&) override { }
    bool IsItemOfInterest() override { return false; }
    bool Begin() override { return true; }
    bool OnOtherItem() override { return true; }
    void ScanContainers() override { }
    void ScanCurrentFile() override { }
    void HandleInfection() override { }
    bool OnOpenError(DWORD) override { return false; }
    int ChooseAction() override { return 0; }
    bool ConfirmAction(const std::string&, int) override { return true; }
    void ReportDetection(const std::string&) override { }
    void ReportOutcome(const std::string&, int, int) override { }
    bool AskOnActionError(const std::string&, int) override { return false; }
    std::string RenameExtension() override { return "AVB"; }
    std::string MoveDirectory() override { return {}; }
    int CureFile(HANDLE) override { return 5; }
    void OnCureFailed(const std::string&, int) override { }
    void PumpMessages() override { }
};

inline SYSTEMTIME SampleTime(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(month);
    time.wDay = static_cast<WORD>(day);
    time.wHour = static_cast<WORD>(hour);
    time.wMinute = static_cast<WORD>(minute);
    time.wSecond = static_cast<WORD>(second);
    return time;
}
