// Service entry, control handling and the truthful status of one server's instance.
#include "vexomar_service.h"

#include "atomic_file.h"
#include "service_controls.h"
#include "state_word.h"

namespace {

VexomarService* g_service = nullptr;
std::string g_server;

constexpr DWORD kTickMs = 250;
constexpr DWORD kHeartbeatMs = kHeartbeatSeconds * 1000;
constexpr DWORD kFilterPollMs = 5000;
constexpr DWORD kProgressPublishMs = 250;
constexpr DWORD kJobStopWaitMs = 10000;

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    const std::size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

std::uint32_t OsVersion()
{
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info))
        return 0;
#pragma GCC diagnostic pop
    return MakeVersion(info.dwMajorVersion, info.dwMinorVersion);
}

DWORD WINAPI IgnoreControl(DWORD, DWORD, LPVOID, LPVOID)
{
    return NO_ERROR;
}

class Locked {
public:
    explicit Locked(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    ~Locked() { LeaveCriticalSection(&section_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    CRITICAL_SECTION& section_;
};

}  // namespace

bool VexomarService::RunAsService(const std::string& server)
{
    g_server = server;
    // An own-process service ignores the table's name; the instance's name is found again in Main.
    SERVICE_TABLE_ENTRYA table[] = {{const_cast<char*>(kVexomarServiceName), &VexomarService::Main}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) != FALSE;
}

VexomarService::VexomarService(ServerPlace place) : place_(place), store_(std::move(place)) {}

void WINAPI VexomarService::Main(DWORD argc, LPSTR* argv)
{
    const std::optional<ServerPlace> place = ServerLocator::FromRegistry().Server(g_server);
    if (!place) {
        // No such server in the site: register only to say so.
        const char* name = argc > 0 && argv && argv[0] ? argv[0] : kVexomarServiceName;
        SERVICE_STATUS_HANDLE handle = RegisterServiceCtrlHandlerExA(name, &IgnoreControl, nullptr);
        SERVICE_STATUS status = {SERVICE_WIN32_OWN_PROCESS, SERVICE_STOPPED, 0, ERROR_SERVICE_SPECIFIC_ERROR, kNoSuchServer, 0, 0};
        if (handle)
            SetServiceStatus(handle, &status);
        return;
    }
    VexomarService service(*place);
    g_service = &service;
    service.Run();
    g_service = nullptr;
}

DWORD WINAPI VexomarService::Control(DWORD control, DWORD, LPVOID, LPVOID context)
{
    return static_cast<VexomarService*>(context)->OnControl(control);
}

void VexomarService::Report(DWORD state, DWORD exitCode, DWORD waitHintMs)
{
    Locked guard(lock_);
    status_.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status_.dwCurrentState = state;
    status_.dwControlsAccepted =
        state == SERVICE_RUNNING || state == SERVICE_PAUSED ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE | SERVICE_ACCEPT_SHUTDOWN : 0;
    status_.dwWin32ExitCode = exitCode;
    status_.dwWaitHint = waitHintMs;
    status_.dwCheckPoint = waitHintMs ? status_.dwCheckPoint + 1 : 0;
    SetServiceStatus(statusHandle_, &status_);
}

DWORD VexomarService::OnControl(DWORD control)
{
    switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
        Report(SERVICE_STOP_PENDING, NO_ERROR, kJobStopWaitMs + 2000);
        stopping_ = true;
        SetEvent(resumeEvent_);
        SetEvent(stopEvent_);
        return NO_ERROR;
    case SERVICE_CONTROL_PAUSE:
    case SERVICE_CONTROL_CONTINUE: {
        const bool pause = control == SERVICE_CONTROL_PAUSE;
        {
            Locked guard(lock_);
            paused_ = pause;
        }
        pause ? ResetEvent(resumeEvent_) : SetEvent(resumeEvent_);
        Report(pause ? SERVICE_PAUSED : SERVICE_RUNNING);
        Log(kActivityLogFile, kLogInformational, pause ? "The service was paused." : "The service was continued.");
        Publish();
        return NO_ERROR;
    }
    case SERVICE_CONTROL_INTERROGATE:
        Report(status_.dwCurrentState);
        return NO_ERROR;
    case kControlReloadConfig:
        LoadConfig();
        Log(kActivityLogFile, kLogInformational, "The service configuration was taken up.");
        Publish();
        return NO_ERROR;
    case kControlRunJob: {
        Locked guard(lock_);
        schedule_->Request();
        return NO_ERROR;
    }
    default:
        for (std::size_t i = 0; i < kTableCount; ++i) {
            if (control == kControlReloadTableBase + AllTables()[i]->number) {
                LoadTable(i);
                Log(kActivityLogFile, kLogInformational, std::string("The table ") + AllTables()[i]->fileName + " was taken up.");
                Publish();
                return NO_ERROR;
            }
        }
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void VexomarService::LoadConfig()
{
    ServerConfig config;
    std::uint32_t serial = 0;
    const DWORD error = store_.ReadConfig(config, &serial);
    Locked guard(lock_);
    // A damaged file leaves the settings the instance runs with as they are.
    if (error)
        return;
    config_ = config;
    published_.configSerial = serial;
    if (schedule_)
        schedule_->SetLimits(config.scanIntervalMinutes, DecodeServiceConfig(config.service).holdDays);
}

void VexomarService::LoadTable(std::size_t index)
{
    std::optional<AddressTable> table;
    std::uint32_t serial = 0;
    if (store_.ReadTable(*AllTables()[index], table, &serial))
        return;
    Locked guard(lock_);
    published_.tableSerials[index] = serial;
    published_.tableCounts[index] = table->Count();
}

void VexomarService::Log(const char* file, std::uint32_t level, const std::string& text)
{
    LogConfig limits;
    {
        Locked guard(lock_);
        limits = DecodeLogConfig(std::string(file) == kScanLogFile ? config_.scanLog : config_.activityLog);
    }
    store_.AppendLog(file, level, text, limits);
}

void VexomarService::Publish()
{
    Locked publishing(publishLock_);
    const std::uint64_t now = UnixNow();
    ServerStatus copy;
    {
        Locked guard(lock_);
        if (!stopping_) {
            const std::uint32_t job = jobRunning_ ? published_.statistics.jobState : schedule_->IdleJobBits(now);
            published_.stateWord = (paused_ ? kStatePaused : kStateRunning) | (job & kJobMask)
                                   | (published_.stateWord & kRealTimeMask);
        } else {
            published_.stateWord = 0;
        }
        published_.heartbeat = now;
        copy = published_;
        lastPublishTick_ = GetTickCount();
    }
    store_.WriteStatus(copy);
}

bool VexomarService::PollFilter()
{
    lastFilterTick_ = GetTickCount();
    vxmflt::FilterState state = {};
    std::uint32_t returned = 0;
    const FilterAnswer answer = filter_.Query(state, returned);
    Locked guard(lock_);
    const std::uint32_t bits = RealTimeBits(answer, state, returned, published_.stateWord);
    const bool changed = bits != (published_.stateWord & kRealTimeMask);
    published_.stateWord = (published_.stateWord & ~kRealTimeMask) | bits;
    return changed;
}

void VexomarService::Tick(std::uint64_t now)
{
    bool changed = false;
    if (GetTickCount() - lastFilterTick_ >= kFilterPollMs)
        changed = PollFilter();
    if (jobThread_ && !jobRunning_)
        EndJob();
    bool due = false;
    std::uint32_t idleBits = 0;
    {
        Locked guard(lock_);
        due = !jobThread_ && !paused_ && schedule_->Due(now);
        idleBits = schedule_->IdleJobBits(now);
        if (!jobRunning_ && idleBits != (published_.stateWord & kJobMask))
            changed = true;
    }
    if (due)
        StartJob(now);
    if (changed || GetTickCount() - lastPublishTick_ >= kHeartbeatMs)
        Publish();
}

void VexomarService::StartJob(std::uint64_t)
{
    {
        Locked guard(lock_);
        schedule_->Began();
    }
    jobRunning_ = true;
    jobThread_ = CreateThread(nullptr, 0, &VexomarService::JobThread, this, 0, nullptr);
    if (!jobThread_) {
        jobRunning_ = false;
        Log(kActivityLogFile, kLogCritical, "The scan job could not be started.");
    }
}

void VexomarService::EndJob()
{
    WaitForSingleObject(jobThread_, kJobStopWaitMs);
    CloseHandle(jobThread_);
    jobThread_ = nullptr;
}

DWORD WINAPI VexomarService::JobThread(LPVOID context)
{
    auto* self = static_cast<VexomarService*>(context);
    self->Log(kScanLogFile, kLogInformational, "Scan job started on " + self->place_.dataFolder + ".");
    ScanStatistics statistics;
    RunScanJob(self->engine_, self->place_, *self, UnixNow(), statistics);
    {
        Locked guard(self->lock_);
        self->schedule_->Finished(statistics.endTime);
        ++self->published_.jobsRun;
        self->published_.lastScanTime = statistics.endTime;
        self->published_.statistics = statistics;
    }
    self->jobRunning_ = false;
    self->Log(kScanLogFile, kLogInformational,
              "Scan job ended: " + std::to_string(statistics.filesScanned) + " files scanned, "
                  + std::to_string(statistics.filesInfected) + " infected, " + std::to_string(statistics.filesNotScanned)
                  + " not scanned.");
    self->Publish();
    return 0;
}

void VexomarService::WaitWhilePaused()
{
    WaitForSingleObject(resumeEvent_, INFINITE);
}

void VexomarService::Progress(const ScanStatistics& statistics, bool milestone)
{
    bool publish = milestone;
    {
        Locked guard(lock_);
        published_.statistics = statistics;
        publish = publish || GetTickCount() - lastPublishTick_ >= kProgressPublishMs;
    }
    if (publish)
        Publish();
}

void VexomarService::Found(const std::string& path, const std::string& virus)
{
    Log(kScanLogFile, kLogCritical, "Virus " + virus + " found in " + path + ".");
}

void VexomarService::NotScanned(const std::string& path)
{
    Log(kScanLogFile, kLogWarning, path + " could not be scanned.");
}

void VexomarService::Run()
{
    InitializeCriticalSection(&lock_);
    InitializeCriticalSection(&publishLock_);
    // The control handler may be called as soon as it is registered, so what it touches exists first.
    schedule_ = std::make_unique<JobSchedule>(UnixNow(), 0, 0);
    stopEvent_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    resumeEvent_ = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    statusHandle_ = RegisterServiceCtrlHandlerExA(place_.ServiceName().c_str(), &VexomarService::Control, this);
    if (!statusHandle_) {
        DeleteCriticalSection(&lock_);
        DeleteCriticalSection(&publishLock_);
        return;
    }
    Report(SERVICE_START_PENDING, NO_ERROR, 5000);
    if (!stopEvent_ || !resumeEvent_ || !EnsureFolder(place_.StoreFolder())) {
        Report(SERVICE_STOPPED, GetLastError() ? GetLastError() : ERROR_GEN_FAILURE);
        DeleteCriticalSection(&lock_);
        DeleteCriticalSection(&publishLock_);
        return;
    }
    LoadConfig();
    for (std::size_t i = 0; i < kTableCount; ++i)
        LoadTable(i);
    std::string reason;
    if (!engine_.Open(ProgramFolder(), reason))
        Log(kActivityLogFile, kLogCritical, reason + " Files will be reported as not scanned.");
    std::uint32_t engineVersion = 0, signatureVersion = 0;
    engine_.Versions(engineVersion, signatureVersion);
    published_.versions = {kProductVersion, VersionFromEngine(signatureVersion), VersionFromEngine(engineVersion), OsVersion()};
    {
        // A job that was under way when the instance last stopped is over; the last one that
        // finished stays as it was published.
        ServerStatus previous;
        if (store_.ReadStatus(previous) == 0) {
            published_.lastScanTime = previous.lastScanTime;
            published_.jobsRun = previous.jobsRun;
            if (previous.statistics.jobState == kJobDone)
                published_.statistics = previous.statistics;
        }
    }
    // Until the device has answered once, a busy one leaves the real-time state unknown.
    published_.stateWord = kRealTimeUnknown;
    PollFilter();
    Log(kActivityLogFile, kLogInformational, "The service started.");
    Report(SERVICE_RUNNING);
    Publish();
    while (WaitForSingleObject(stopEvent_, kTickMs) == WAIT_TIMEOUT)
        Tick(UnixNow());
    if (jobThread_)
        EndJob();
    Log(kActivityLogFile, kLogInformational, "The service stopped.");
    Publish();
    Report(SERVICE_STOPPED);
    CloseHandle(stopEvent_);
    CloseHandle(resumeEvent_);
    DeleteCriticalSection(&lock_);
    DeleteCriticalSection(&publishLock_);
}
