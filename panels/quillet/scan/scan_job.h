// ScanJob: one scan run over an item source. Its operations are virtual and called on the
// job itself, in this order, so that a derived job can change any one of them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "scan_counters.h"
#include "scan_item_source.h"
#include "scan_result_line.h"

class ScanJob {
public:
    explicit ScanJob(ScanItemSource& source) : m_source(source) { }

    // Walks the source from its first item to its end or a cancel.
    void Run();

    // The walk's hooks: entering a root, a drive path, a directory, another node; 4 to 7 leave them.
    virtual int OnStartItem(const std::string& name);
    // False when the path is to be skipped (the user chose Ignore or Abort).
    virtual bool OnStartPath(const std::string& path) = 0;
    virtual void OnEnterDirectory() = 0;
    virtual void OnFileName(const std::string& name) = 0;
    virtual void OnLeaveItem() { }
    virtual void OnLeavePath() { }
    virtual void OnLeaveDirectory() { }
    virtual void OnLeaveFileName() { }
    virtual ~ScanJob() = default;
    virtual bool IsItemOfInterest() = 0;
    // False when the engine refused the job's options: the run ends at once.
    virtual bool Begin() = 0;
    virtual bool OnOtherItem() = 0;
    virtual void End() { }
    virtual void ScanContainers() = 0;
    virtual void ScanCurrentFile() = 0;
    virtual int AfterClean() { return 0; }
    virtual void HandleInfection() = 0;
    // True when the open is to be tried again.
    virtual bool OnOpenError(DWORD error) = 0;
    virtual int ChooseAction() = 0;
    virtual bool ConfirmAction(const std::string& path, int action) = 0;
    virtual void ReportDetection(const std::string& path) = 0;
    virtual void ReportOutcome(const std::string& path, int action, int result) = 0;
    virtual bool AskOnActionError(const std::string& path, int action) = 0;
    virtual std::string RenameExtension() = 0;
    virtual std::string MoveDirectory() = 0;
    virtual int CureFile(HANDLE file) = 0;
    virtual void OnCureFailed(const std::string& path, int result) = 0;
    virtual void PumpMessages() = 0;

    // The Stop command and "Abort" answers.
    void Cancel() { m_cancelled = true; }
    bool Cancelled() const { return m_cancelled; }

    const ScanCounters& Counters() const { return m_counters; }
    const SYSTEMTIME& StartTime() const { return m_startTime; }
    const SYSTEMTIME& StopTime() const { return m_stopTime; }
    // Every top-level path the run started on, each followed by ";".
    const std::string& ScannedPaths() const { return m_scannedPaths; }
    const std::vector<ScanResultLine>& Results() const { return m_results; }
    const std::string& LastResult() const { return m_lastResult; }
    const std::string& CurrentItem() const { return m_currentItem; }
    const std::string& VirusName() const { return m_virusName; }
    std::uint16_t VirusId() const { return m_virusId; }
    ScanItemSource& Source() { return m_source; }

protected:
    void AddResult(const std::string& item, const std::string& outcome);

    ScanItemSource& m_source;
    std::uint16_t m_virusId = 0;
    std::string m_virusName;
    bool m_cancelled = false;
    SYSTEMTIME m_startTime = {};
    SYSTEMTIME m_stopTime = {};
    ScanCounters m_counters;
    std::string m_scannedPaths;
    std::string m_currentItem;
    std::string m_lastResult;
    std::vector<ScanResultLine> m_results;
};
