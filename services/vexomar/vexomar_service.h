// The Windows service "Vexomar Service" of one server: its status reports, its control switch,
// its published state and the thread of its scan jobs.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "filter_state_source.h"
#include "job_schedule.h"
#include "scan_engine.h"
#include "scan_job.h"
#include "server_store.h"

class VexomarService : private JobHost {
public:
    // Hands the process to the service control manager as the instance of `server` ("." for
    // this computer); false when the process was not started by the manager.
    static bool RunAsService(const std::string& server);

private:
    explicit VexomarService(ServerPlace place);
    static void WINAPI Main(DWORD argc, LPSTR* argv);
    static DWORD WINAPI Control(DWORD control, DWORD type, LPVOID data, LPVOID context);
    static DWORD WINAPI JobThread(LPVOID self);

    void Run();
    DWORD OnControl(DWORD control);
    void Report(DWORD state, DWORD exitCode = NO_ERROR, DWORD waitHintMs = 0);
    void Tick(std::uint64_t now);
    // Reads the filter device's state into the real-time bits; true when they changed.
    bool PollFilter();
    void LoadConfig();
    void LoadTable(std::size_t index);
    void Publish();
    void Log(const char* file, std::uint32_t level, const std::string& text);
    void StartJob(std::uint64_t now);
    void EndJob();

    // JobHost
    bool Cancelled() override { return m_stopping; }
    void WaitWhilePaused() override;
    void Progress(const ScanStatistics& statistics, bool milestone) override;
    void Found(const std::string& path, const std::string& virus) override;
    void NotScanned(const std::string& path) override;

    ServerPlace m_place;
    ServerStore m_store;
    SERVICE_STATUS_HANDLE m_statusHandle = nullptr;
    SERVICE_STATUS m_status = {};
    CRITICAL_SECTION m_publishLock;  // one publication at a time, so an older copy never follows a newer
    CRITICAL_SECTION m_lock;  // everything below that two threads touch
    HANDLE m_stopEvent = nullptr;
    HANDLE m_resumeEvent = nullptr;  // set while not paused
    HANDLE m_jobThread = nullptr;
    std::atomic<bool> m_stopping {false};
    std::atomic<bool> m_jobRunning {false};
    bool m_paused = false;
    ServerConfig m_config;
    ServerStatus m_published;
    std::unique_ptr<JobSchedule> m_schedule;
    ScanEngine m_engine;
    DeviceFilter m_filter;
    DWORD m_lastPublishTick = 0;
    DWORD m_lastFilterTick = 0;
};

inline constexpr std::uint32_t kProductVersion = 0x00010000;  // v1.00
