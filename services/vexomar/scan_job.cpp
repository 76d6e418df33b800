// The prescan and the scan of a job.
#include "scan_job.h"

#include <windows.h>

#include <vector>

#include "server_store.h"
#include "site_description.h"
#include "state_word.h"

namespace {

struct Walk {
    std::vector<std::string> files;
    std::uint32_t folders = 0;
};

bool Skipped(const std::string& name, int depth)
{
    return name == "." || name == ".." ||
        (depth == 0 && (SameComputerName(name, "VEXOMAR") || SameComputerName(name, "ALERT")));
}

void Collect(const std::string& folder, int depth, Walk& walk, JobHost& host)
{
    if (depth > kJobDepthLimit || walk.files.size() >= kJobFileLimit || host.Cancelled())
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    ++walk.folders;
    std::vector<std::string> subfolders;
    do {
        const std::string name = found.cFileName;
        if (Skipped(name, depth) || (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            subfolders.push_back(path);
        else if (walk.files.size() < kJobFileLimit)
            walk.files.push_back(path);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    for (const std::string& subfolder : subfolders)
        Collect(subfolder, depth + 1, walk, host);
}

}  // namespace

void RunScanJob(ScanEngine& engine, const ServerPlace& place, JobHost& host, std::uint64_t startTime, ScanStatistics& s)
{
    s = ScanStatistics {};
    s.targetName = place.name;
    s.targetFolder = place.dataFolder;
    s.startTime = startTime;
    s.jobState = kJobPrescanning;
    host.Progress(s, true);

    Walk walk;
    Collect(place.dataFolder, 0, walk, host);
    s.filesToScan = static_cast<std::uint32_t>(walk.files.size());
    s.foldersScanned = walk.folders;
    s.jobState = kJobScanning;
    host.Progress(s, true);

    std::uint32_t done = 0;
    for (const std::string& path : walk.files) {
        host.WaitWhilePaused();
        if (host.Cancelled())
            break;
        s.currentFile = path;
        std::string virus;
        switch (engine.Scan(path, virus)) {
        case ScanEngine::Verdict::Clean: ++s.filesScanned; break;
        case ScanEngine::Verdict::Infected:
            ++s.filesScanned;
            ++s.filesInfected;
            ++s.virusesFound;
            s.lastVirus = virus;
            s.lastInfectedFile = path;
            host.Found(path, virus);
            break;
        case ScanEngine::Verdict::NotScanned:
            ++s.filesNotScanned;
            host.NotScanned(path);
            break;
        }
        ++done;
        s.progress = static_cast<std::uint32_t>(std::uint64_t(done) * 99 / s.filesToScan);
        host.Progress(s, false);
    }
    // Only files the engine read count as scanned; the others are counted apart, so a reader
    // never takes them for clean.
    s.endTime = UnixNow();
    s.progress = kProgressDone;
    s.jobState = kJobDone;
    host.Progress(s, true);
}
