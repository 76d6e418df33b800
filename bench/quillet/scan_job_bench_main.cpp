// The Local Scanner's scan job as users run it, timed: KELVEX32.DLL bound by ordinal, TORPIN.DLL
// for archives, an item source walking the folders with FindFirstFile, every file opened with
// CreateFile, messages pumped between items and the counters kept. Before it, the same files go
// through the engine alone (open, ordinal 12, close), so that the job's own cost per file shows.
// With --results it prints the job's result lines; with --alerts detections raise real alerts
// through FENWIX.DLL (without it they are only counted).
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "archive_library.h"
#include "engine_library.h"
#include "extension_app.h"
#include "local_scan_job.h"
#include "path_list_source.h"
#include "win_app.h"

namespace {

CExtensionApp g_benchApp("QSCANBEN");

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

// User and kernel time of this process: what other work on the machine does not inflate.
double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    auto seconds = [](const FILETIME& t) { return double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7; };
    return seconds(kernel) + seconds(user);
}

void ListFiles(const std::string& path, std::vector<std::string>& files, uint64_t& bytes)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ListFiles(path + "\\" + name, files, bytes);
        } else {
            files.push_back(path + "\\" + name);
            bytes += (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

// Does nothing, but shows in a system-call trace as a failed look-up of its name:
// bench/quillet/count-scan-syscalls splits the trace there to count each pass's calls.
void MarkPass(const char* name)
{
    GetFileAttributesA((std::string("Z:\\qscanben-pass-") + name).c_str());
}

class CountingAlerts : public AlertBuilder {
public:
    int MakeAlert1(const std::string&, int, int, const std::string&, const std::string&, int) override
    {
        ++calls;
        return 0;
    }
    int calls = 0;
};

struct Timing {
    double wall = 0, cpu = 0;
};

void PrintLine(const char* what, const Timing& t, size_t files, uint64_t bytes)
{
    const double mb = double(bytes) / 1e6;
    std::printf("%-28s %8.3f s %7.0f MB/s %8.0f files/s | CPU %8.3f s %7.0f MB/s %8.0f files/s\n", what, t.wall,
        mb / t.wall, double(files) / t.wall, t.cpu, mb / t.cpu, double(files) / t.cpu);
}

int Usage()
{
    std::fprintf(stderr, "usage: QSCANBEN [--results] [--alerts] [--mode 0|1|2] VIRSIG_FOLDER PATH...\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    bool results = false, realAlerts = false;
    int mode = kScanSecure;
    int next = 1;
    for (; next < argc && argv[next][0] == '-'; ++next) {
        const std::string option = argv[next];
        if (option == "--results")
            results = true;
        else if (option == "--alerts")
            realAlerts = true;
        else if (option == "--mode" && next + 1 < argc)
            mode = std::atoi(argv[++next]);
        else
            return Usage();
    }
    if (argc - next < 2)
        return Usage();
    const std::string signatureFolder = argv[next++];
    std::vector<std::string> paths(argv + next, argv + argc);

    // The engine loads VIRSIG.DAT from the current folder, as at the plug-in's start.
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(signatureFolder.c_str());
    KelvexLibrary library;
    EngineBinding engine;
    if (!library.Bind() || library.Open(&engine.instance) != 0 ||
        library.SetOptions(engine.instance, engine.block.data(), kOptionWords) != 0) {
        std::fprintf(stderr, "QSCANBEN: KELVEX32.DLL could not be bound\n");
        return 1;
    }
    double t0 = Now();
    const unsigned loaded = library.LoadSignatures(engine.instance);
    const double load = Now() - t0;
    SetCurrentDirectoryA(previous);
    if (loaded != 0) {
        std::fprintf(stderr, "QSCANBEN: VIRSIG.DAT in %s did not load (status %u)\n", signatureFolder.c_str(), loaded);
        return 1;
    }
    engine.library = &library;

    TorpinLibrary archive;
    const DWORD archiveHandle = archive.Init(0x4000);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    if (archiveHandle)
        archive.SetTemporaryDirectory(archiveHandle, temp);

    // The options as VEXOMAR.INI's defaults give them, without the beep.
    LocalScanOptions options;
    options.scanMode = mode;
    options.executablesOnly = 0;
    options.beepOnDetect = 0;
    options.interactive = 0;
    std::strcpy(options.archiveExtensions[0], "ZIP");
    std::strcpy(options.archiveExtensions[1], "ARJ");
    options.archiveCount = 2;
    if (archiveHandle)
        archive.SetExtensionList(archiveHandle, &options.archiveExtensions[0][0], options.archiveCount);

    std::vector<std::string> files;
    uint64_t bytes = 0;
    for (const std::string& path : paths) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            files.push_back(path);
            WIN32_FILE_ATTRIBUTE_DATA data;
            if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
                bytes += (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        } else {
            ListFiles(path, files, bytes);
        }
    }
    std::printf("signatures   loaded in %.3f s; scan mode %d\n", load, mode);
    std::printf("files        %u, %.1f MB\n", unsigned(files.size()), double(bytes) / 1e6);

    // Warm the cache, so that neither pass pays for the disk.
    std::vector<char> buffer(64 * 1024);
    for (const std::string& file : files) {
        HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        DWORD got = 0;
        while (handle != INVALID_HANDLE_VALUE && ReadFile(handle, buffer.data(), DWORD(buffer.size()), &got, nullptr) &&
            got) { }
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }

    engine.SetScanMode(mode);
    engine.PassOptions(false);
    MarkPass("engine");
    size_t engineDetections = 0;
    Timing bare;
    double cpu0 = CpuSeconds();
    t0 = Now();
    for (const std::string& file : files) {
        HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        const std::uint16_t status = library.ScanFile(engine.instance, file.c_str(), handle);
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
        engineDetections += status != 0 && !(status & 0x4010);
    }
    bare.wall = Now() - t0;
    bare.cpu = CpuSeconds() - cpu0;

    CountingAlerts counting;
    FenwixAlertBuilder fenwix;
    AlertBuilder& alerts = realAlerts ? static_cast<AlertBuilder&>(fenwix) : counting;
    PathListSource source(paths, archive, archiveHandle);
    LocalScanJob job(source, ScanServices {engine, archive, archiveHandle, options, alerts, nullptr});
    Timing run;
    MarkPass("job");
    cpu0 = CpuSeconds();
    t0 = Now();
    job.Run();
    run.wall = Now() - t0;
    run.cpu = CpuSeconds() - cpu0;
    MarkPass("end");

    const ScanCounters& counters = job.Counters();
    std::printf("engine       %u detections by ordinal 12 alone\n", unsigned(engineDetections));
    std::printf("job          %u files scanned, %u infected, %u viruses, %u in archives (%u members), "
                "%u not scanned, %u boot sectors (%u infected, %u cured), %u alert calls\n",
        counters.filesScanned, counters.filesInfected, counters.virusesFound, counters.containerInfections,
        counters.containerFilesScanned, counters.notScanned, counters.bootSectorsScanned, counters.bootSectorInfections,
        counters.bootSectorsCured, realAlerts ? 2 * counters.virusesFound : counting.calls);
    PrintLine("engine alone (open, 12)", bare, files.size(), bytes);
    PrintLine("scan job", run, files.size(), bytes);
    std::printf("job's own cost per file      %.1f us wall, %.1f us CPU\n",
        (run.wall - bare.wall) / double(files.size()) * 1e6, (run.cpu - bare.cpu) / double(files.size()) * 1e6);
    // Where the job's own time goes: each of its per-file steps alone, as many times as there are files.
    auto timed = [&](const char* what, auto step) {
        Timing t;
        const double c0 = CpuSeconds(), w0 = Now();
        step();
        t.wall = Now() - w0;
        t.cpu = CpuSeconds() - c0;
        std::printf("  %-26s %6.1f us wall, %6.1f us CPU per file\n", what, t.wall / double(files.size()) * 1e6,
            t.cpu / double(files.size()) * 1e6);
    };
    timed("walk (FindNextFile)", [&] {
        PathListSource walk(paths, archive, archiveHandle);
        for (bool more = walk.First(); more; more = walk.Next()) { }
    });
    timed("message pump (the job's)", [&] {
        for (size_t i = 0; i < files.size(); ++i)
            job.PumpMessages();
    });
    timed("message pump (every item)", [&] {
        for (size_t i = 0; i < files.size(); ++i)
            ::PumpMessages();
    });
    timed("archive type", [&] {
        for (const std::string& file : files)
            archive.ArchiveType(archiveHandle, file);
    });
    timed("option block (ordinal 5)", [&] {
        for (size_t i = 0; i < files.size(); ++i)
            engine.PassOptions(false);
    });
    timed("open and close", [&] {
        for (const std::string& file : files) {
            HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
            if (handle != INVALID_HANDLE_VALUE)
                CloseHandle(handle);
        }
    });
    if (results)
        for (const ScanResultLine& line : job.Results())
            std::printf("result       %s | %s | %s\n", line.item.c_str(), line.virus.c_str(), line.outcome.c_str());
    if (archiveHandle)
        archive.DeInit(archiveHandle);
    library.ReleaseSignatures(engine.instance);
    library.Close(engine.instance);
    return 0;
}
