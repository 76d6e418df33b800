// What the scan job's tests work with: a scratch folder, the test viruses put together at
// run time, a stored ZIP writer, the real engine loaded, a recording alert builder and a job
// whose names and drives are fixed.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "alert_builder.h"
#include "engine_library.h"
#include "local_scan_job.h"

namespace scan_test {

std::string ExeDirectory();

// Removes the folder with everything in it.
void RemoveTree(const std::string& path);

// A folder of its own under the temporary folder, removed with everything in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    std::string Path(const std::string& relative = "") const;
    // Writes `bytes` to `relative`, making its folders.
    std::string Write(const std::string& relative, const std::string& bytes) const;

private:
    std::string m_root;
};

// Each sample is built here so that no source file is itself a sample.
std::string EicarFile();
// The test virus of a cure kind ("Append", "Restore", "Overwrite", "Destructive", "Trailer", "Hash").
std::string TestVirus(const std::string& kind);
// A boot sector with the boot test virus in its loader area.
std::string InfectedBootSector();

struct ZipMember {
    std::string name;
    std::string data;
    bool badCrc = false;
};
// A ZIP archive of stored members.
std::string StoredZip(const std::vector<ZipMember>& members);

// KELVEX32.DLL bound by ordinal with the shipped VIRSIG.DAT loaded.
class RealEngine {
public:
    RealEngine();
    ~RealEngine();
    bool Loaded() const { return m_loaded; }
    EngineBinding binding;

private:
    KelvexLibrary m_library;
    bool m_loaded = false;
};

struct Alert {
    std::string server;
    int type;
    int count;
    std::string product;
    std::string text;
    int reserved;
};

class RecordingAlerts : public AlertBuilder {
public:
    int MakeAlert1(const std::string& server, int type, int count, const std::string& product, const std::string& text,
        int reserved) override
    {
        alerts.push_back({server, type, count, product, text, reserved});
        return 0;
    }
    std::vector<Alert> alerts;
};

// Options as a test starts from: secure mode, all files, archives on, no beep, report only.
LocalScanOptions TestOptions();

// The local job with a fixed computer and user, a drive it may call removable, and a cancel
// after a given number of message pumps (0: never).
class TestJob : public LocalScanJob {
public:
    using LocalScanJob::LocalScanJob;
    char removableDrive = 0;
    int cancelAtPump = 0;
    int pumps = 0;

    void PumpMessages() override;

protected:
    UINT DriveType(const std::string& root) const override;
    std::string ComputerName() const override { return "HOST"; }
    std::string UserName() const override { return "ADMIN"; }
};

// "item|virus|outcome" for each result line, sorted: the walk's order is the file system's.
std::vector<std::string> SortedResults(const ScanJob& job);

}  // namespace scan_test
