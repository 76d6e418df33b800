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
    explicit Locked(CRITICAL_SECTION& section) : m_section(section) { EnterCriticalSection(&m_section); }
    ~Locked() { LeaveCriticalSection(&m_section); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    CRITICAL_SECTION& m_section;
};

}  // namespace

bool VexomarService::RunAsService(const std::string& server)
{
    g_server = server;
    // An own-process service ignores the table's name; the instance's name is found again in Main.
    SERVICE_TABLE_ENTRYA table[] = {
        {const_cast<char*>(kVexomarServiceName), &VexomarService::Main}, {nullptr, nullptr}};
    return StartServiceCtrlDispatcherA(table) != FALSE;
}

VexomarService::VexomarService(ServerPlace place) : m_place(place), m_store(std::move(place))
{
}

void WINAPI VexomarService::Main(DWORD argc, LPSTR* argv)
{
    const std::optional<ServerPlace> place = ServerLocator::FromRegistry().Server(g_server);
    if (!place) {
        // No such server in the site: register only to say so.
        const char* name = argc > 0 && argv && argv[0] ? argv[0] : kVexomarServiceName;
        SERVICE_STATUS_HANDLE handle = RegisterServiceCtrlHandlerExA(name, &IgnoreControl, nullptr);
        SERVICE_STATUS status = {
            SERVICE_WIN32_OWN_PROCESS, SERVICE_STOPPED, 0, ERROR_SERVICE_SPECIFIC_ERROR, kNoSuchServer, 0, 0};
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
    Locked guard(m_lock);
    m_status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    m_status.dwCurrentState = state;
    m_status.dwControlsAccepted = state == SERVICE_RUNNING || state == SERVICE_PAUSED
        ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE | SERVICE_ACCEPT_SHUTDOWN
        : 0;
    m_status.dwWin32ExitCode = exitCode;
    m_status.dwWaitHint = waitHintMs;
    m_status.dwCheckPoint = waitHintMs ? m_status.dwCheckPoint + 1 : 0;
    SetServiceStatus(m_statusHandle, &m_status);
}

DWORD VexomarService::OnControl(DWORD control)
{
    switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
        Report(SERVICE_STOP_PENDING, NO_ERROR, kJobStopWaitMs + 2000);
        m_stopping = true;
        SetEvent(m_resumeEvent);
        SetEvent(m_stopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_PAUSE:
    case SERVICE_CONTROL_CONTINUE: {
        const bool pause = control == SERVICE_CONTROL_PAUSE;
        {
            Locked guard(m_lock);
            m_paused = pause;
        }
        pause ? ResetEvent(m_resumeEvent) : SetEvent(m_resumeEvent);
        Report(pause ? SERVICE_PAUSED : SERVICE_RUNNING);
        Log(kActivityLogFile, kLogInformational, pause ? "The service was paused." : "The service was continued.");
        Publish();
        return NO_ERROR;
    }
    case SERVICE_CONTROL_INTERROGATE: Report(m_status.dwCurrentState); return NO_ERROR;
    case kControlReloadConfig:
        LoadConfig();
        Log(kActivityLogFile, kLogInformational, "The service configuration was taken up.");
        Publish();
        return NO_ERROR;
    case kControlRunJob: {
        Locked guard(m_lock);
        m_schedule->Request();
        return NO_ERROR;
    }
    default:
        for (std::size_t i = 0; i < kTableCount; ++i) {
            if (control == kControlReloadTableBase + AllTables()[i]->number) {
                LoadTable(i);
                Log(kActivityLogFile, kLogInformational,
                    std::string("The table ") + AllTables()[i]->fileName + " was taken up.");
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
    const DWORD error = m_store.ReadConfig(config, &serial);
    Locked guard(m_lock);
    // A damaged file leaves the settings the instance runs with as they are.
    if (error)
        return;
    m_config = config;
    m_published.configSerial = serial;
    if (m_schedule)
        m_schedule->SetLimits(config.scanIntervalMinutes, DecodeServiceConfig(config.service).holdDays);
}

void VexomarService::LoadTable(std::size_t index)
{
    std::optional<AddressTable> table;
    std::uint32_t serial = 0;
    if (m_store.ReadTable(*AllTables()[index], table, &serial))
        return;
    Locked guard(m_lock);
    m_published.tableSerials[index] = serial;
    m_published.tableCounts[index] = table->Count();
}

void VexomarService::Log(const char* file, std::uint32_t level, const std::string& text)
{
    LogConfig limits;
    {
        Locked guard(m_lock);
        limits = DecodeLogConfig(std::string(file) == kScanLogFile ? m_config.scanLog : m_config.activityLog);
    }
    m_store.AppendLog(file, level, text, limits);
}

void VexomarService::Publish()
{
    Locked publishing(m_publishLock);
    const std::uint64_t now = UnixNow();
    ServerStatus copy;
    {
        Locked guard(m_lock);
        if (!m_stopping) {
            const std::uint32_t job = m_jobRunning ? m_published.statistics.jobState : m_schedule->IdleJobBits(now);
            m_published.stateWord =
                (m_paused ? kStatePaused : kStateRunning) | (job & kJobMask) | (m_published.stateWord & kRealTimeMask);
        } else {
            m_published.stateWord = 0;
        }
        m_published.heartbeat = now;
        copy = m_published;
        m_lastPublishTick = GetTickCount();
    }
    m_store.WriteStatus(copy);
}

bool VexomarService::PollFilter()
{
    m_lastFilterTick = GetTickCount();
    vxmflt::FilterState state = {};
    std::uint32_t returned = 0;
    const FilterAnswer answer = m_filter.Query(state, returned);
    Locked guard(m_lock);
    const std::uint32_t bits = RealTimeBits(answer, state, returned, m_published.stateWord);
    const bool changed = bits != (m_published.stateWord & kRealTimeMask);
    m_published.stateWord = (m_published.stateWord & ~kRealTimeMask) | bits;
    return changed;
}

void VexomarService::Tick(std::uint64_t now)
{
    bool changed = false;
    if (GetTickCount() - m_lastFilterTick >= kFilterPollMs)
        changed = PollFilter();
    if (m_jobThread && !m_jobRunning)
        EndJob();
    bool due = false;
    std::uint32_t idleBits = 0;
    {
        Locked guard(m_lock);
        due = !m_jobThread && !m_paused && m_schedule->Due(now);
        idleBits = m_schedule->IdleJobBits(now);
        if (!m_jobRunning && idleBits != (m_published.stateWord & kJobMask))
            changed = true;
    }
    if (due)
        StartJob(now);
    if (changed || GetTickCount() - m_lastPublishTick >= kHeartbeatMs)
        Publish();
}

void VexomarService::StartJob(std::uint64_t)
{
    {
        Locked guard(m_lock);
        m_schedule->Began();
    }
    m_jobRunning = true;
    m_jobThread = CreateThread(nullptr, 0, &VexomarService::JobThread, this, 0, nullptr);
    if (!m_jobThread) {
        m_jobRunning = false;
        Log(kActivityLogFile, kLogCritical, "The scan job could not be started.");
    }
}

void VexomarService::EndJob()
{
    WaitForSingleObject(m_jobThread, kJobStopWaitMs);
    CloseHandle(m_jobThread);
    m_jobThread = nullptr;
}

DWORD WINAPI VexomarService::JobThread(LPVOID context)
{
    auto* self = static_cast<VexomarService*>(context);
    self->Log(kScanLogFile, kLogInformational, "Scan job started on " + self->m_place.dataFolder + ".");
    ScanStatistics statistics;
    RunScanJob(self->m_engine, self->m_place, *self, UnixNow(), statistics);
    {
        Locked guard(self->m_lock);
        self->m_schedule->Finished(statistics.endTime);
        ++self->m_published.jobsRun;
        self->m_published.lastScanTime = statistics.endTime;
        self->m_published.statistics = statistics;
    }
    self->m_jobRunning = false;
    self->Log(kScanLogFile, kLogInformational,
        "Scan job ended: " + std::to_string(statistics.filesScanned) + " files scanned, " +
            std::to_string(statistics.filesInfected) + " infected, " + std::to_string(statistics.filesNotScanned) +
            " not scanned.");
    self->Publish();
    return 0;
}

void VexomarService::WaitWhilePaused()
{
    WaitForSingleObject(m_resumeEvent, INFINITE);
}

void VexomarService::Progress(const ScanStatistics& statistics, bool milestone)
{
    bool publish = milestone;
    {
        Locked guard(m_lock);
        m_published.statistics = statistics;
        publish = publish || GetTickCount() - m_lastPublishTick >= kProgressPublishMs;
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
    InitializeCriticalSection(&m_lock);
    InitializeCriticalSection(&m_publishLock);
    // The control handler may be called as soon as it is registered, so what it touches exists first.
    m_schedule = std::make_unique<JobSchedule>(UnixNow(), 0, 0);
    m_stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_resumeEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    m_statusHandle = RegisterServiceCtrlHandlerExA(m_place.ServiceName().c_str(), &VexomarService::Control, this);
    if (!m_statusHandle) {
        DeleteCriticalSection(&m_lock);
        DeleteCriticalSection(&m_publishLock);
        return;
    }
    Report(SERVICE_START_PENDING, NO_ERROR, 5000);
    if (!m_stopEvent || !m_resumeEvent || !EnsureFolder(m_place.StoreFolder())) {
        Report(SERVICE_STOPPED, GetLastError() ? GetLastError() : ERROR_GEN_FAILURE);
        DeleteCriticalSection(&m_lock);
        DeleteCriticalSection(&m_publishLock);
        return;
    }
    LoadConfig();
    for (std::size_t i = 0; i < kTableCount; ++i)
        LoadTable(i);
    std::string reason;
    if (!m_engine.Open(ProgramFolder(), reason))
        Log(kActivityLogFile, kLogCritical, reason + " Files will be reported as not scanned.");
    std::uint32_t engineVersion = 0, signatureVersion = 0;
    m_engine.Versions(engineVersion, signatureVersion);
    m_published.versions = {
        kProductVersion, VersionFromEngine(signatureVersion), VersionFromEngine(engineVersion), OsVersion()};
    {
        // A job that was under way when the instance last stopped is over; the last one that
        // finished stays as it was published.
        ServerStatus previous;
        if (m_store.ReadStatus(previous) == 0) {
            m_published.lastScanTime = previous.lastScanTime;
            m_published.jobsRun = previous.jobsRun;
            if (previous.statistics.jobState == kJobDone)
                m_published.statistics = previous.statistics;
        }
    }
    // Until the device has answered once, a busy one leaves the real-time state unknown.
    m_published.stateWord = kRealTimeUnknown;
    PollFilter();
    Log(kActivityLogFile, kLogInformational, "The service started.");
    Report(SERVICE_RUNNING);
    Publish();
    while (WaitForSingleObject(m_stopEvent, kTickMs) == WAIT_TIMEOUT)
        Tick(UnixNow());
    if (m_jobThread)
        EndJob();
    Log(kActivityLogFile, kLogInformational, "The service stopped.");
    Publish();
    Report(SERVICE_STOPPED);
    CloseHandle(m_stopEvent);
    CloseHandle(m_resumeEvent);
    DeleteCriticalSection(&m_lock);
    DeleteCriticalSection(&m_publishLock);
}
