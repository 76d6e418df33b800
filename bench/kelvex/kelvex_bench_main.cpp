// Scanning engine benchmark: builds a signature set and a corpus, then reports load time,
// memory and scan throughput (files, bytes, detections, seconds, MB/s). See corelibs/kelvex/README.md.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "corpus_builder.h"
#include "posix_file_source.h"
#include "scanner.h"
#include "sig_file_reader.h"
#include "sig_file_writer.h"

namespace {

struct Args {
    std::string corpus = "/tmp/kelvex-corpus";
    std::string out = "/tmp/kelvex-bench";
    size_t files = 17145, megabytes = 582, bodies = 10000, hashes = 5000;
    double wild = 0.0;
    bool loadOnly = false, gbench = false;
};

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// User and system time of this process: the figure that other work on the machine does not inflate.
double CpuSeconds()
{
    struct rusage u;
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

size_t ResidentBytes()
{
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return size_t(resident) * 4096;
}

std::vector<std::string> ListFiles(const std::string& dir)
{
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir, ec))
        if (e.is_regular_file())
            files.push_back(e.path().string());
    return files;
}

void MemoryScan(benchmark::State& state)
{
    CorpusBuilder b(7);
    kelvex::Scanner scanner;
    std::string error;
    scanner.Load(b.Signatures(size_t(state.range(0)), 0, 0.2), error);
    std::string data(64u << 20, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = char((i * 2654435761u) >> 13);
    kelvex::MemorySource src(data);
    for (auto _ : state) {
        kelvex::Detection d;
        benchmark::DoNotOptimize(scanner.Scan(src, kelvex::ScanOptions {}, d));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
}
BENCHMARK(MemoryScan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

bool Parse(int argc, char** argv, Args& a)
{
    for (int i = 1; i < argc; ++i) {
        const std::string k = argv[i];
        const bool v = i + 1 < argc;
        if (k == "--corpus" && v)
            a.corpus = argv[++i];
        else if (k == "--out" && v)
            a.out = argv[++i];
        else if (k == "--files" && v)
            a.files = std::stoul(argv[++i]);
        else if (k == "--mb" && v)
            a.megabytes = std::stoul(argv[++i]);
        else if (k == "--sigs" && v)
            a.bodies = std::stoul(argv[++i]);
        else if (k == "--hashes" && v)
            a.hashes = std::stoul(argv[++i]);
        else if (k == "--wild" && v)
            a.wild = std::stod(argv[++i]);
        else if (k == "--load-only")
            a.loadOnly = true;
        else if (k == "--gbench")
            a.gbench = true;
        else
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    Args a;
    if (argc > 1 && std::string(argv[1]) == "--gbench") {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        return 0;
    }
    if (!Parse(argc, argv, a)) {
        std::fprintf(stderr,
            "usage: kelvex_bench [--corpus DIR] [--files N] [--mb N] [--sigs N] [--hashes N] [--wild SHARE]\n"
            "                    [--out DIR] [--load-only] | --gbench [benchmark options]\n");
        return 2;
    }
    std::filesystem::create_directories(a.out);
    CorpusBuilder builder(42);
    kelvex::SignatureSet set = builder.Signatures(a.bodies, a.hashes, a.wild);
    const std::string dat = a.out + "/VIRSIG.DAT";
    std::string error;
    if (!kelvex::SigFileWriter::WriteFile(set, dat, error) ||
        !CorpusBuilder::WriteImportFormats(set, a.out + "/bench.ndb", a.out + "/bench.hdb")) {
        std::fprintf(stderr, "kelvex_bench: %s\n", error.empty() ? "cannot write the signature files" : error.c_str());
        return 1;
    }

    const size_t before = ResidentBytes();
    auto t0 = std::chrono::steady_clock::now();
    kelvex::SignatureSet loaded;
    kelvex::Scanner scanner;
    if (kelvex::SigFileReader::ReadFile(dat, loaded) != kelvex::kLoadOk || !scanner.Load(std::move(loaded), error)) {
        std::fprintf(stderr, "kelvex_bench: the written database does not load: %s\n", error.c_str());
        return 1;
    }
    const double load = Seconds(t0);
    std::printf("signatures   %zu body (%.0f%% with wildcards) + %zu MD5 + EICAR\n", a.bodies, a.wild * 100, a.hashes);
    std::printf("VIRSIG.DAT   %.1f MB, load %.3f s, engine memory %.1f MB (resident growth %.1f MB)\n",
        double(std::filesystem::file_size(dat)) / 1e6, load, double(scanner.MemoryBytes()) / 1e6,
        double(ResidentBytes() - before) / 1e6);
    if (a.loadOnly)
        return 0;

    std::vector<std::string> files = ListFiles(a.corpus);
    if (files.empty()) {
        size_t planted = 0;
        std::printf("corpus       generating %zu files, %zu MB in %s\n", a.files, a.megabytes, a.corpus.c_str());
        if (!builder.Corpus(a.corpus, a.files, a.megabytes, set, planted)) {
            std::fprintf(stderr, "kelvex_bench: cannot write the corpus\n");
            return 1;
        }
        files = ListFiles(a.corpus);
    }

    // Plain reading first: it also warms the cache for the scan.
    std::vector<char> buf(64 * 1024);
    uint64_t bytes = 0;
    const double readCpu0 = CpuSeconds();
    t0 = std::chrono::steady_clock::now();
    for (const std::string& f : files) {
        PosixFileSource src(f.c_str());
        size_t got = 0;
        for (uint64_t at = 0; src.Read(at, buf.data(), buf.size(), got) && got; at += got)
            bytes += got;
    }
    const double read = Seconds(t0), readCpu = CpuSeconds() - readCpu0;

    size_t detections = 0, unreadable = 0;
    const double cpu0 = CpuSeconds();
    t0 = std::chrono::steady_clock::now();
    for (const std::string& f : files) {
        PosixFileSource src(f.c_str());
        kelvex::Detection d;
        const kelvex::ScanOutcome o =
            src.Valid() ? scanner.Scan(src, kelvex::ScanOptions {}, d) : kelvex::ScanOutcome::ReadError;
        detections += o == kelvex::ScanOutcome::Infected;
        unreadable += o == kelvex::ScanOutcome::ReadError;
    }
    const double scan = Seconds(t0), cpu = CpuSeconds() - cpu0;
    // On a shared machine the CPU figures are the ones to compare: scan against plain reading.
    std::printf("corpus       %zu files, %.1f MB; plain reading %.0f MB/s (CPU %.3f s, %.0f MB/s)\n", files.size(),
        double(bytes) / 1e6, double(bytes) / 1e6 / read, readCpu, double(bytes) / 1e6 / readCpu);
    std::printf("scan         %zu detections, %zu unreadable, %.3f s, %.0f MB/s (CPU %.3f s, %.0f MB/s)\n", detections,
        unreadable, scan, double(bytes) / 1e6 / scan, cpu, double(bytes) / 1e6 / cpu);
    return 0;
}
