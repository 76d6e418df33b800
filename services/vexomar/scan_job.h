// One scan job over a server's data folder: prescan, scan with the engine, done.
#pragma once

#include <string>

#include "scan_engine.h"
#include "scan_statistics.h"
#include "server_locator.h"

// What the job tells its instance and asks of it.
class JobHost {
public:
    virtual ~JobHost() = default;
    virtual bool Cancelled() = 0;
    // Returns once the instance is no longer paused (or is stopping).
    virtual void WaitWhilePaused() = 0;
    // The statistics changed; `milestone` for a change of state, which is always published.
    virtual void Progress(const ScanStatistics& statistics, bool milestone) = 0;
    virtual void Found(const std::string& path, const std::string& virus) = 0;
    virtual void NotScanned(const std::string& path) = 0;
};

// Walks the data folder (never the store folder VEXOMAR or the Alert home ALERT at its top,
// never through reparse points, at most 32 folders deep and 200,000 files), then scans every
// file found. A file the engine could not scan is counted as not scanned, never as clean;
// without an engine every file is not scanned. A cancelled job ends where it stands.
void RunScanJob(
    ScanEngine& engine, const ServerPlace& place, JobHost& host, std::uint64_t startTime, ScanStatistics& statistics);

inline constexpr std::size_t kJobFileLimit = 200000;
inline constexpr int kJobDepthLimit = 32;
