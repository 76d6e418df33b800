// LocalScanJob: a scan of local drives, folders and files with the engine, the archive
// library and the plug-in's one option record.
#pragma once

#include <windows.h>

#include <string>

#include "alert_builder.h"
#include "archive_library.h"
#include "engine_binding.h"
#include "local_scan_options.h"
#include "scan_item_rules.h"
#include "scan_job.h"

class MailAgent;

// What a job works with; all of it belongs to the plug-in and outlives the job.
struct ScanServices {
    EngineBinding& engine;
    ArchiveLibrary& archive;
    DWORD archiveLibrary;  // 0 when the archive library did not start
    const LocalScanOptions& options;
    AlertBuilder& alerts;
    HWND owner;  // the owner of the job's prompts
    bool mailAgentConnected = false;
    MailAgent* mailAgent = nullptr;  // mail databases are scanned only while it is connected
};

class LocalScanJob : public ScanJob {
public:
    LocalScanJob(ScanItemSource& source, ScanServices services);

    bool OnStartPath(const std::string& path) override;
    void OnEnterDirectory() override;
    void OnFileName(const std::string& name) override;
    bool IsItemOfInterest() override;
    bool Begin() override;
    bool OnOtherItem() override;
    void ScanContainers() override;
    void ScanCurrentFile() override;
    void HandleInfection() override;
    bool OnOpenError(DWORD error) override;
    int ChooseAction() override;
    bool ConfirmAction(const std::string& path, int action) override;
    void ReportDetection(const std::string& path) override;
    void ReportOutcome(const std::string& path, int action, int result) override;
    bool AskOnActionError(const std::string& path, int action) override;
    std::string RenameExtension() override;
    std::string MoveDirectory() override;
    int CureFile(HANDLE file) override;
    void OnCureFailed(const std::string& path, int result) override;
    void PumpMessages() override;

protected:
    // The boot sector of the drive a path starts on, when the drive is removable.
    void ScanBootSector(const std::string& path);
    // The drive's type; a seam so that a test can call a fixed drive removable.
    virtual UINT DriveType(const std::string& root) const;
    virtual bool PathReadable(const std::string& path) const;
    // Computer and user names for the alert text, at most 48 characters each.
    virtual std::string ComputerName() const;
    virtual std::string UserName() const;
    // Beeps, counts and raises the alert for a virus in `where`; `drive` is set for a boot sector.
    void RaiseDetection(const std::string& where, char drive);
    void CureBootSector(char drive);
    // The outcome text of a status that is neither clean nor a detection.
    std::string NotScannedText(std::uint16_t status) const;
    std::string NotExtractedText(int extractStatus) const;
    // Each walk answers whether it found a virus; the caller tells the source once.
    bool ScanArchive(const std::string& path, const std::string& displayName);
    bool ScanMailDatabase(const std::string& path, const std::string& displayName);
    // The engine's verdict on a file taken out of a container, reported under `itemText`;
    // true for a detection, which is reported "No Action": a container's content is never changed.
    bool ScanExtractedFile(const std::string& file, const std::string& itemText);
    bool MailDatabasesScanned() const;
    int Prompt(const std::string& text, UINT type) const;
    bool PassOptions(bool cure);

    // Results of an action: done, not done (declined, not possible), failed; a cure whose file
    // could not be opened for it.
    static constexpr int kResultFailed = 0;
    static constexpr int kResultDone = 1;
    static constexpr int kResultNotDone = 2;
    static constexpr int kResultCureNotOpened = 3;
    // Carries `action` out on the current item; a failed cure turns it into a rename.
    int CarryOutAction(const std::string& path, int& action);
    int RenameStep();
    int CureStep(const std::string& path, int& action);
    // Done counts in `counter`; not done is a failure.
    static int Counted(bool done, std::uint32_t& counter);

    ScanServices m_services;
    scan_rules::PlainFileRule m_plainRule;
    static constexpr DWORD kPumpIntervalMs = 15;
    bool m_pumped = false;
    DWORD m_lastPump = 0;
    std::string m_otherName;
    std::string m_path;
};
