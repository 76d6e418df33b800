// LocalScanJob: the engine driver of a local scan: options, files, boot sectors, archives,
// detections and the prompts they lead to.
#include "local_scan_job.h"

#include <algorithm>
#include <vector>

#include "mail_agent.h"
#include "module.h"
#include "prompter.h"
#include "quillet_scan_ids.h"
#include "scan_status.h"
#include "win_app.h"

namespace {

constexpr const char* kProductText = "VEXOMAR";
constexpr size_t kVirusNameLimit = 260;
constexpr DWORD kNameLimit = 48;

std::string Limited(const std::string& text, size_t limit)
{
    return text.size() > limit ? text.substr(0, limit) : text;
}

std::string TextOf(const char (&field)[4])
{
    return std::string(field, strnlen(field, sizeof field));
}

// Drive letter of a path such as "A:\DOCS"; 0 for a network or relative path.
char DriveLetterOf(const std::string& path)
{
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])))
        return static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    return 0;
}

}  // namespace

LocalScanJob::LocalScanJob(ScanItemSource& source, ScanServices services) : ScanJob(source), m_services(services)
{
    const LocalScanOptions& options = m_services.options;
    m_plainRule.renameExtension = TextOf(options.renameExtension);
    m_plainRule.executablesOnly = options.executablesOnly != 0;
    const int count = std::clamp(options.executableCount, 0, kExtensionListCapacity);
    for (int i = 0; i < count; ++i)
        m_plainRule.executables.push_back(TextOf(options.executableExtensions[i]));
}

int LocalScanJob::Prompt(const std::string& text, UINT type) const
{
    return Prompter::Current().Show(m_services.owner, text, LoadResString(IDS_SCAN_CAPTION), type);
}

bool LocalScanJob::PassOptions(bool cure)
{
    if (m_services.engine.PassOptions(cure))
        return true;
    Prompt(LoadResString(IDS_SCAN_OPTIONS_REFUSED), MB_OK | MB_ICONSTOP);
    return false;
}

bool LocalScanJob::Begin()
{
    m_services.engine.SetScanMode(m_services.options.scanMode);
    return PassOptions(false);
}

bool LocalScanJob::OnStartPath(const std::string& path)
{
    ++m_counters.directoriesScanned;
    m_scannedPaths += path + ";";
    ScanBootSector(path);
    while (!PathReadable(path)) {
        switch (Prompt(LoadResString(IDS_SCAN_DRIVE_ERROR), MB_ABORTRETRYIGNORE | MB_ICONSTOP)) {
        case IDRETRY: continue;
        case IDABORT:
            Cancel();
            m_source.Stop();
            return false;
        default: return false;
        }
    }
    return true;
}

void LocalScanJob::OnEnterDirectory()
{
    ++m_counters.directoriesScanned;
    m_source.ShowDirectory();
}

void LocalScanJob::OnFileName(const std::string& name)
{
    m_otherName = name;
}

bool LocalScanJob::IsItemOfInterest()
{
    if (!m_source.IsFile())
        return false;
    // An item the source could not read is reported, whatever its name.
    if (!m_source.NotScannedText().empty())
        return true;
    if (scan_rules::IsPlainFileOfInterest(m_source.Name(), m_plainRule))
        return true;
    if (MailDatabasesScanned() && MailAgent::IsMailDatabaseExtension(m_source.Name(), m_services.options))
        return true;
    const std::string content = m_source.ContentPath();
    return m_services.options.scanArchives && m_services.archiveLibrary && !content.empty() &&
        IsScannedArchiveType(m_services.archive.ArchiveType(m_services.archiveLibrary, content));
}

bool LocalScanJob::MailDatabasesScanned() const
{
    return m_services.options.scanMailDatabases && m_services.mailAgent && m_services.mailAgent->Connected();
}

bool LocalScanJob::OnOtherItem()
{
    m_source.ShowCurrentItem(m_currentItem);
    return true;
}

void LocalScanJob::ScanCurrentFile()
{
    m_path = m_source.FullPath();
    m_currentItem = m_path;
    const std::string content = m_source.ContentPath();
    if (content.empty()) {
        // An item whose bytes could not be had (an attachment not taken out of its message, a
        // mailbox not read) was not scanned.
        const std::string reason = m_source.NotScannedText();
        ++m_counters.notScanned;
        m_virusName.clear();
        AddResult(m_path, reason.empty() ? LoadResString(IDS_NOT_SCANNED_NOT_EXTRACTED) : reason);
        return;
    }
    HANDLE file = INVALID_HANDLE_VALUE;
    for (;;) {
        file = m_source.OpenFile();
        if (file != INVALID_HANDLE_VALUE)
            break;
        const DWORD error = GetLastError();
        if (OnOpenError(error))
            continue;
        // Skipped, silently or by the user's choice: still a file that was not scanned.
        ++m_counters.notScanned;
        m_virusName.clear();
        AddResult(m_path, FormatResString(IDS_NOT_SCANNED_NOT_OPENED, static_cast<unsigned long>(error)));
        return;
    }
    // Counted once it is open, so that the count never holds a file the engine did not see.
    ++m_counters.filesScanned;
    m_virusId = 0;
    m_virusName.clear();
    PassOptions(false);
    const std::uint16_t status = m_services.engine.library->ScanFile(m_services.engine.instance, content.c_str(), file);
    m_source.CloseFile(file);
    switch (scan_status::OfFile(status)) {
    case scan_status::FileVerdict::Clean: AfterClean(); break;
    case scan_status::FileVerdict::NotScanned:
        ++m_counters.notScanned;
        AddResult(m_path, NotScannedText(status));
        break;
    case scan_status::FileVerdict::Detection:
        m_virusId = m_services.engine.library->LastVirusId(m_services.engine.instance);
        m_virusName = Limited(m_services.engine.library->LastVirusName(m_services.engine.instance), kVirusNameLimit);
        HandleInfection();
        break;
    }
}

std::string LocalScanJob::NotScannedText(std::uint16_t status) const
{
    if (status == scan_status::kUnreadable)
        return LoadResString(IDS_NOT_SCANNED_UNREADABLE);
    if (status == scan_status::kNoSignatures)
        return LoadResString(IDS_NOT_SCANNED_NO_SIGNATURES);
    return FormatResString(IDS_NOT_SCANNED_ENGINE_STATUS, static_cast<unsigned>(status));
}

std::string LocalScanJob::NotExtractedText(int extractStatus) const
{
    switch (extractStatus) {
    case 2: return LoadResString(IDS_NOT_SCANNED_LIMIT);
    case 3: return LoadResString(IDS_NOT_SCANNED_BAD_CRC);
    case 4: return LoadResString(IDS_NOT_SCANNED_DAMAGED);
    case 5: return LoadResString(IDS_NOT_SCANNED_METHOD);
    case 6: return LoadResString(IDS_NOT_SCANNED_ENCRYPTED);
    case 7: return LoadResString(IDS_NOT_SCANNED_OVERLAP);
    case 8: return LoadResString(IDS_NOT_SCANNED_WRITE_FAILED);
    default: return LoadResString(IDS_NOT_SCANNED_NOT_EXTRACTED);
    }
}

void LocalScanJob::ScanContainers()
{
    const std::string path = m_source.ContentPath();
    if (m_cancelled || path.empty())
        return;
    bool found = false;
    if (m_services.options.scanArchives && m_services.archiveLibrary &&
        IsScannedArchiveType(m_services.archive.ArchiveType(m_services.archiveLibrary, path)))
        found = ScanArchive(path, m_source.FullPath());
    else if (MailDatabasesScanned() && MailAgent::IsMailDatabaseExtension(m_source.Name(), m_services.options))
        found = ScanMailDatabase(path, m_source.FullPath());
    if (found) {
        // The container itself is never deleted, cured, renamed or moved.
        m_source.DetectionOccurred();
        m_source.RecordOutcome(*this, 0, 1);
    }
}

bool LocalScanJob::ScanExtractedFile(const std::string& file, const std::string& itemText)
{
    EngineLibrary& engine = *m_services.engine.library;
    ++m_counters.containerFilesScanned;
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    const std::uint16_t status =
        handle == INVALID_HANDLE_VALUE ? scan_status::kUnreadable : engine.ScanFile(m_services.engine.instance, file.c_str(), handle);
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    switch (scan_status::OfMember(status)) {
    case scan_status::FileVerdict::Clean: return false;
    case scan_status::FileVerdict::NotScanned:
        ++m_counters.notScanned;
        AddResult(itemText, NotScannedText(status));
        return false;
    case scan_status::FileVerdict::Detection: break;
    }
    if (m_services.options.beepOnDetect)
        Prompter::Current().Beep(MB_OK);
    ++m_counters.filesInfected;
    ++m_counters.virusesFound;
    ++m_counters.containerInfections;
    m_virusName = Limited(engine.LastVirusName(m_services.engine.instance), kVirusNameLimit);
    AddResult(itemText, LoadResString(IDS_SCAN_NO_ACTION));
    return true;
}

bool LocalScanJob::ScanArchive(const std::string& path, const std::string& displayName)
{
    ArchiveLibrary& archive = m_services.archive;
    std::vector<unsigned char> walk(kArchiveWalkBytes, 0);
    archive.OpenArchive(m_services.archiveLibrary, path, walk.data());
    bool found = false;
    std::string foundVirus;
    for (const char* entry = archive.FirstMember(walk.data()); entry && !m_cancelled;
         entry = archive.NextMember(walk.data())) {
        PumpMessages();
        if (m_cancelled)
            break;
        const std::string member = entry;
        // Members are looked at as plain files only: an archive inside is not opened.
        if (!scan_rules::IsPlainFileOfInterest(member, m_plainRule))
            continue;
        const std::string itemText = FormatResString(IDS_SCAN_IN_COMPRESSED_FILE, member.c_str(), displayName.c_str());
        m_virusName.clear();
        const char* extracted = archive.ExtractMember(walk.data());
        if (!extracted) {
            ++m_counters.notScanned;
            AddResult(itemText, NotExtractedText(archive.LastExtractStatus(walk.data())));
            continue;
        }
        m_currentItem = displayName + " [" + member + "]";
        if (ScanExtractedFile(extracted, itemText)) {
            found = true;
            foundVirus = m_virusName;
        }
        archive.RemoveMember(walk.data());
    }
    archive.CloseArchive(walk.data());
    // What the container's outcome tells (a mail notification) names a virus that was found.
    if (found)
        m_virusName = foundVirus;
    return found;
}

void LocalScanJob::HandleInfection()
{
    ++m_counters.filesInfected;
    const std::string path = m_path;
    ReportDetection(path);
    m_source.DetectionOccurred();
    for (;;) {
        int action = ChooseAction();
        const int result = CarryOutAction(path, action);
        // Retry chooses and acts again; the failed attempt leaves no line of its own.
        const bool failed = result != kResultDone && result != kResultNotDone;
        if (failed && AskOnActionError(path, action) && !m_cancelled)
            continue;
        ReportOutcome(path, action, result);
        m_source.RecordOutcome(*this, action, result);
        return;
    }
}

int LocalScanJob::Counted(bool done, std::uint32_t& counter)
{
    if (!done)
        return kResultFailed;
    ++counter;
    return kResultDone;
}

int LocalScanJob::CarryOutAction(const std::string& path, int& action)
{
    switch (action) {
    case kActionReportOnly: return kResultDone;
    case kActionDelete:
        if (!m_source.CanDelete() || !ConfirmAction(path, action))
            return kResultNotDone;
        return Counted(m_source.Delete(), m_counters.filesDeleted);
    case kActionRename: return ConfirmAction(path, action) ? RenameStep() : kResultNotDone;
    case kActionCure: return CureStep(path, action);
    case kActionMove:
        if (!m_source.CanMove(MoveDirectory()) || !ConfirmAction(path, action))
            return kResultNotDone;
        return Counted(m_source.Move(MoveDirectory()), m_counters.filesMoved);
    case kActionPurge:
        if (!m_source.CanPurge() || !ConfirmAction(path, action))
            return kResultNotDone;
        return Counted(m_source.Purge(), m_counters.filesPurged);
    case kActionRenameAndMove:
        if (!m_source.CanRenameAndMove(MoveDirectory(), RenameExtension()) || !ConfirmAction(path, action))
            return kResultNotDone;
        return Counted(m_source.RenameAndMove(MoveDirectory(), RenameExtension()), m_counters.filesRenamedAndMoved);
    default:
        // An action number the options do not know changes nothing.
        return kResultDone;
    }
}

int LocalScanJob::RenameStep()
{
    if (!m_source.CanRename(RenameExtension()))
        return kResultNotDone;
    return Counted(m_source.Rename(RenameExtension()), m_counters.filesRenamed);
}

int LocalScanJob::CureStep(const std::string& path, int& action)
{
    if (!m_source.CanCure() || !ConfirmAction(path, action))
        return kResultNotDone;
    HANDLE file = m_source.OpenForCure();
    if (file == INVALID_HANDLE_VALUE) {
        m_source.CloseAfterCure(file, false);
        return kResultCureNotOpened;
    }
    const int result = CureFile(file);
    if (result == scan_status::kCured) {
        m_source.CloseAfterCure(file, true);
        ++m_counters.filesCured;
        return kResultDone;
    }
    OnCureFailed(path, result);
    m_source.CloseAfterCure(file, false);
    // What cannot be cured is renamed, so that it is neither run nor scanned again.
    action = kActionRename;
    return RenameStep();
}

bool LocalScanJob::OnOpenError(DWORD error)
{
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || m_source.IsProtected())
        return false;
    const std::string path = m_source.FullPath();
    if (!path.empty() && (path[0] == '\\' || path[0] == '/'))
        return false;
    if (const char drive = DriveLetterOf(path)) {
        const char root[] = {drive, ':', '\\', '\0'};
        if (DriveType(root) == DRIVE_REMOTE)
            return false;
    }
    const std::string text = FormatResString(IDS_SCAN_OPEN_ERROR, path.c_str(), static_cast<unsigned long>(error));
    switch (Prompt(text, MB_ABORTRETRYIGNORE | MB_ICONSTOP)) {
    case IDRETRY: return true;
    case IDABORT: Cancel(); return false;
    default: return false;
    }
}

int LocalScanJob::ChooseAction()
{
    return m_source.IsProtected() ? 0 : m_services.options.infectionAction;
}

bool LocalScanJob::ConfirmAction(const std::string& path, int action)
{
    if (!m_services.options.interactive)
        return true;
    static const char* const kWords[] = {
        nullptr, "Delete   ", "Rename  ", "Cure ", "Move ", "Purge  ", "Move and Rename "};
    if (action < 1 || action > 6)
        return true;
    switch (Prompt(kWords[action] + path, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return true;
    case IDCANCEL: Cancel(); return false;
    default: return false;
    }
}

void LocalScanJob::ReportDetection(const std::string& path)
{
    RaiseDetection(path, 0);
}

std::string LocalScanJob::ComputerName() const
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    return GetComputerNameA(name, &size) ? Limited(name, kNameLimit) : std::string();
}

std::string LocalScanJob::UserName() const
{
    char name[257] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? Limited(name, kNameLimit) : std::string();
}

void LocalScanJob::RaiseDetection(const std::string& where, char drive)
{
    if (m_services.options.beepOnDetect)
        Prompter::Current().Beep(MB_OK);
    ++m_counters.virusesFound;
    const std::string computer = ComputerName(), user = UserName();
    const std::string text = drive
        ? FormatResString(IDS_SCAN_BOOT_ALERT, m_virusName.c_str(), drive, computer.c_str(), user.c_str())
        : FormatResString(IDS_SCAN_FILE_ALERT, m_virusName.c_str(), where.c_str(), computer.c_str(), user.c_str());
    // The first call stages the description, the second delivers it as one critical alert.
    m_services.alerts.MakeAlert1("", -3, 1, kProductText, text, 0);
    m_services.alerts.MakeAlert1("", 2, 1, kProductText, "05", 0);
}

void LocalScanJob::ReportOutcome(const std::string& path, int action, int result)
{
    UINT text = IDS_SCAN_NO_ACTION;
    auto pick = [&](UINT failed, UINT done) { text = result == 0 ? failed : result == 1 ? done : IDS_SCAN_NO_ACTION; };
    switch (action) {
    case 1: pick(IDS_OUTCOME_DELETE_FAILED, IDS_OUTCOME_DELETED); break;
    case 2: pick(IDS_OUTCOME_RENAME_FAILED, IDS_OUTCOME_RENAMED); break;
    case 3:
        if (result == 0 || result == 3 || result == 5)
            text = IDS_OUTCOME_CURE_FAILED;
        else if (result == 1)
            text = IDS_SCAN_CURED;
        else if (result == 2)
            text = IDS_SCAN_CURE_ABORTED;
        else if (result == 4 || result == 6)
            text = IDS_SCAN_CANNOT_CURE;
        if (result == 6)
            AddResult(path, LoadResString(IDS_SCAN_DESTRUCTIVE));
        break;
    case 4: pick(IDS_OUTCOME_MOVE_FAILED, IDS_OUTCOME_MOVED); break;
    case 5: pick(IDS_OUTCOME_PURGE_FAILED, IDS_OUTCOME_PURGED); break;
    case 6: pick(IDS_OUTCOME_RENAME_MOVE_FAILED, IDS_OUTCOME_RENAMED_MOVED); break;
    default: break;
    }
    AddResult(path, LoadResString(text));
}

bool LocalScanJob::AskOnActionError(const std::string& path, int action)
{
    static const UINT kFailures[] = {0, IDS_OUTCOME_DELETE_FAILED, IDS_OUTCOME_RENAME_FAILED, IDS_OUTCOME_CURE_FAILED,
        IDS_OUTCOME_MOVE_FAILED, IDS_OUTCOME_PURGE_FAILED, IDS_OUTCOME_RENAME_MOVE_FAILED};
    const std::string failure = action >= 1 && action <= 6 ? LoadResString(kFailures[action]) : std::string();
    switch (Prompt(failure + " " + path, MB_ABORTRETRYIGNORE | MB_ICONSTOP)) {
    case IDRETRY: return true;
    case IDABORT: Cancel(); return false;
    default: return false;
    }
}

std::string LocalScanJob::RenameExtension()
{
    return TextOf(m_services.options.renameExtension);
}

std::string LocalScanJob::MoveDirectory()
{
    const char* directory = m_services.options.moveDirectory;
    return std::string(directory, strnlen(directory, sizeof m_services.options.moveDirectory));
}

int LocalScanJob::CureFile(HANDLE file)
{
    EngineBinding& engine = m_services.engine;
    PassOptions(true);
    engine.library->ForgetLastVirus(engine.instance);
    const std::uint16_t status = engine.library->ScanFile(engine.instance, m_source.ContentPath().c_str(), file);
    PassOptions(false);
    return scan_status::CureResultOf(status);
}

void LocalScanJob::OnCureFailed(const std::string& path, int result)
{
    if (result == 1 || result == 2)
        return;
    if (result == scan_status::kDestructive)
        AddResult(path, LoadResString(IDS_SCAN_DESTRUCTIVE));
    Prompt(FormatResString(IDS_CURE_FAILED_RENAMING, path.c_str()), MB_OK | MB_ICONEXCLAMATION);
}

void LocalScanJob::PumpMessages()
{
    // Looking at the queue costs a round trip to the window system for every item (about
    // 100 us under Wine on a loaded machine, more than the engine spends on a small file), so
    // the queue is emptied at most every few milliseconds: input and Stop still get through
    // at once to the eye.
    const DWORD now = GetTickCount();
    if (m_pumped && now - m_lastPump < kPumpIntervalMs)
        return;
    m_pumped = true;
    m_lastPump = now;
    ::PumpMessages();
}

UINT LocalScanJob::DriveType(const std::string& root) const
{
    return GetDriveTypeA(root.c_str());
}

bool LocalScanJob::PathReadable(const std::string& path) const
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void LocalScanJob::ScanBootSector(const std::string& path)
{
    const char drive = DriveLetterOf(path);
    if (!drive)
        return;
    const char root[] = {drive, ':', '\\', '\0'};
    if (DriveType(root) != DRIVE_REMOVABLE)
        return;
    EngineBinding& engine = m_services.engine;
    const std::string bootText = LoadResString(IDS_SCAN_BOOT_SECTOR);
    PassOptions(false);
    engine.library->ForgetLastVirus(engine.instance);
    ++m_counters.bootSectorsScanned;
    const std::uint16_t status = engine.library->ScanBoot(engine.instance, drive);
    m_virusName.clear();
    if (status == 0)
        return;
    if (scan_status::IsBootClean(status)) {
        // The engine calls an unreadable sector clean; the results say it was not scanned.
        ++m_counters.notScanned;
        AddResult(bootText, LoadResString(IDS_NOT_SCANNED_BOOT_SECTOR));
        return;
    }
    m_virusName = Limited(engine.library->LastVirusName(engine.instance), kVirusNameLimit);
    ++m_counters.bootSectorInfections;
    RaiseDetection(bootText, drive);
    if (m_services.options.infectionAction == 0) {
        AddResult(bootText, LoadResString(IDS_SCAN_NO_ACTION));
        return;
    }
    if (Prompt(FormatResString(IDS_SCAN_BOOT_FOUND, m_virusName.c_str()), MB_YESNO | MB_ICONEXCLAMATION) == IDYES)
        CureBootSector(drive);
    else
        AddResult(bootText, LoadResString(IDS_SCAN_CURE_ABORTED));
}

void LocalScanJob::CureBootSector(char drive)
{
    EngineBinding& engine = m_services.engine;
    const std::string bootText = LoadResString(IDS_SCAN_BOOT_SECTOR);
    PassOptions(true);
    engine.library->ForgetLastVirus(engine.instance);
    const std::uint16_t status = engine.library->ScanBoot(engine.instance, drive);
    PassOptions(false);
    if (scan_status::IsCured(status)) {
        ++m_counters.bootSectorsCured;
        AddResult(bootText, LoadResString(IDS_SCAN_CURED));
        return;
    }
    if (Prompt(FormatResString(IDS_SCAN_BOOT_NEUTRALIZE, m_virusName.c_str()), MB_OKCANCEL | MB_ICONEXCLAMATION) ==
            IDOK &&
        engine.library->NeutralizeBoot(engine.instance, drive) == 0) {
        ++m_counters.bootSectorsNeutralized;
        AddResult(bootText, LoadResString(IDS_SCAN_NEUTRALIZED));
        return;
    }
    AddResult(bootText, LoadResString(status == 3 ? IDS_SCAN_DESTRUCTIVE : IDS_SCAN_CANNOT_CURE));
}
