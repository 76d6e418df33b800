// The engine benchmark as users run it: KELVEX32.DLL loaded and bound by ordinal, files
// opened and handed to ordinal 12 as the Local Scanner does, in a 32-bit Windows process.
// It reads the VIRSIG.DAT and corpus that the native kelvex_bench wrote (see ../../corelibs/kelvex/README.md).
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

typedef unsigned(__cdecl* OpenFn)(uint32_t*);
typedef unsigned(__cdecl* InstanceFn)(uint32_t);
typedef unsigned(__cdecl* OptionsFn)(uint32_t, const uint16_t*, int);
typedef unsigned(__cdecl* LoadFromFn)(uint32_t, const char*);
typedef unsigned(__cdecl* ScanFileFn)(uint32_t, const char*, HANDLE);
typedef unsigned(__cdecl* ScanBufferFn)(uint32_t, const void*, uint32_t);

double Now()
{
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return double(c.QuadPart) / double(f.QuadPart);
}

// User and kernel time of this process, the figure other work on the machine does not inflate.
double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return 0;
    auto seconds = [](const FILETIME& t) { return double((uint64_t(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7; };
    return seconds(kernel) + seconds(user);
}

size_t WorkingSet()
{
    PROCESS_MEMORY_COUNTERS c = {};
    c.cb = sizeof c;
    return GetProcessMemoryInfo(GetCurrentProcess(), &c, sizeof c) ? c.WorkingSetSize : 0;
}

void ListFiles(const std::string& dir, std::vector<std::string>& out)
{
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &d);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = d.cFileName;
        if (name == "." || name == "..")
            continue;
        if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListFiles(dir + "\\" + name, out);
        else
            out.push_back(dir + "\\" + name);
    } while (FindNextFileA(h, &d));
    FindClose(h);
}

HANDLE OpenForReading(const std::string& path)
{
    return CreateFileA(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: KVXBENCH VIRSIG.DAT CORPUS_DIR\n");
        return 2;
    }
    const std::string dat = argv[1], corpus = argv[2];
    HMODULE dll = LoadLibraryA("KELVEX32.DLL");
    if (!dll) {
        std::fprintf(stderr, "KVXBENCH: KELVEX32.DLL not loaded\n");
        return 1;
    }
    auto bind = [&](int ordinal) { return reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(ordinal))); };
    auto open = reinterpret_cast<OpenFn>(bind(2));
    auto setOptions = reinterpret_cast<OptionsFn>(bind(5));
    auto count = reinterpret_cast<InstanceFn>(bind(6));
    auto loadFrom = reinterpret_cast<LoadFromFn>(bind(9));
    auto scanFile = reinterpret_cast<ScanFileFn>(bind(12));
    auto scanBuffer = reinterpret_cast<ScanBufferFn>(bind(11));
    auto close = reinterpret_cast<InstanceFn>(bind(27));
    if (!open || !setOptions || !count || !loadFrom || !scanFile || !scanBuffer || !close) {
        std::fprintf(stderr, "KVXBENCH: an ordinal is missing\n");
        return 1;
    }
    uint32_t engine = 0;
    // Secure mode (whole files, body and MD5 signatures), no cure: what the native run measures.
    const uint16_t words[17] = {1, 0, 14, 0, 0, 1, 8, 1, 16, 1, 30, 0, 0, 20, 0, 0, 0};
    if (open(&engine) != 0 || setOptions(engine, words, 17) != 0)
        return 1;
    const size_t before = WorkingSet();
    double t0 = Now();
    const unsigned loaded = loadFrom(engine, dat.c_str());
    const double load = Now() - t0;
    if (loaded != 0) {
        std::fprintf(stderr, "KVXBENCH: load status %u\n", loaded);
        return 1;
    }
    std::printf("signatures   %u loaded, load %.3f s, working set growth %.1f MB\n", count(engine), load,
        double(WorkingSet() - before) / 1e6);

    std::vector<std::string> files;
    ListFiles(corpus, files);
    std::vector<char> buf(64 * 1024);
    uint64_t bytes = 0;
    double cpu0 = CpuSeconds();
    t0 = Now();
    for (const std::string& f : files) {
        HANDLE h = OpenForReading(f);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        DWORD got = 0;
        while (ReadFile(h, buf.data(), DWORD(buf.size()), &got, nullptr) && got)
            bytes += got;
        CloseHandle(h);
    }
    const double read = Now() - t0, readCpu = CpuSeconds() - cpu0;

    size_t detections = 0, unreadable = 0;
    cpu0 = CpuSeconds();
    t0 = Now();
    for (const std::string& f : files) {
        HANDLE h = OpenForReading(f);
        const unsigned status = scanFile(engine, f.c_str(), h);
        if (h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
        detections += status != 0 && !(status & 0x4030);
        unreadable += (status & 0x4030) != 0;
    }
    const double scan = Now() - t0, cpu = CpuSeconds() - cpu0;
    std::printf("corpus       %u files, %.1f MB; plain reading %.0f MB/s (CPU %.3f s, %.0f MB/s)\n",
        unsigned(files.size()), double(bytes) / 1e6, double(bytes) / 1e6 / read, readCpu,
        double(bytes) / 1e6 / readCpu);
    std::printf("scan         %u detections, %u unreadable, %.3f s, %.0f MB/s (CPU %.3f s, %.0f MB/s)\n",
        unsigned(detections), unsigned(unreadable), scan, double(bytes) / 1e6 / scan, cpu, double(bytes) / 1e6 / cpu);

    // The engine alone: the first files (up to 256 MB) held in memory and scanned through
    // ordinal 11, so that neither the file system nor Wine's server is in the figure.
    std::vector<std::string> held;
    uint64_t heldBytes = 0;
    for (const std::string& f : files) {
        if (heldBytes >= (256u << 20))
            break;
        HANDLE h = OpenForReading(f);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        std::string data;
        DWORD got = 0;
        while (ReadFile(h, buf.data(), DWORD(buf.size()), &got, nullptr) && got)
            data.append(buf.data(), got);
        CloseHandle(h);
        heldBytes += data.size();
        held.push_back(std::move(data));
    }
    size_t memoryDetections = 0;
    cpu0 = CpuSeconds();
    t0 = Now();
    for (const std::string& data : held) {
        const unsigned status = scanBuffer(engine, data.data(), uint32_t(data.size()));
        memoryDetections += status != 0 && !(status & 0x4030);
    }
    const double memScan = Now() - t0, memCpu = CpuSeconds() - cpu0;
    std::printf("in memory    %u files, %.1f MB, %u detections, %.3f s, %.0f MB/s (CPU %.3f s, %.0f MB/s)\n",
        unsigned(held.size()), double(heldBytes) / 1e6, unsigned(memoryDetections), memScan,
        double(heldBytes) / 1e6 / memScan, memCpu, double(heldBytes) / 1e6 / memCpu);
    close(engine);
    FreeLibrary(dll);
    return 0;
}
