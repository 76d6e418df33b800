// Decode speed of each format on one 60 MB file, packed by the system's own tools
// (zip, arj -m1 and -m4, gcab -z, mscompress) into TORPIN_BENCH_DIR (default
// /tmp/torpin-bench). Members are decoded and checked, then dropped.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "archive_limits.h"
#include "archive_type.h"
#include "byte_sink.h"
#include "byte_source.h"
#include "szdd_decoder.h"

namespace {

constexpr std::size_t kContentBytes = 60 * 1000 * 1000;

std::filesystem::path benchDir()
{
    const char* dir = std::getenv("TORPIN_BENCH_DIR");
    return dir ? dir : "/tmp/torpin-bench";
}

// Text-like content: words and numbers, as documents and logs are.
void writeContent(const std::filesystem::path& path)
{
    static const char* const words[] = {"scan ", "virus ", "alert ", "server ", "archive ", "member ", "the ", "of ",
        "and ", "record ", "signature ", "\r\n", "Vexomar ", "log ", "file ", "drive "};
    std::string out;
    out.reserve(kContentBytes + 32);
    std::uint32_t state = 12345;
    auto step = [&] { return (state = state * 1664525u + 1013904223u) >> 8; };
    while (out.size() < kContentBytes) {
        out += words[step() % 16];
        if (step() % 3 == 0)
            out += std::to_string(step() % 100000) + ' ';
    }
    out.resize(kContentBytes);
    std::ofstream(path, std::ios::binary).write(out.data(), static_cast<std::streamsize>(out.size()));
}

void prepare()
{
    std::filesystem::path dir = benchDir();
    std::filesystem::create_directories(dir);
    if (!std::filesystem::exists(dir / "content.dat"))
        writeContent(dir / "content.dat");
    const std::pair<const char*, const char*> archives[] = {
        {"content.zip", "zip -q content.zip content.dat"},
        {"m1.arj", "arj a -y -m1 m1.arj content.dat"},
        {"m4.arj", "arj a -y -m4 m4.arj content.dat"},
        {"content.cab", "gcab -c -z content.cab content.dat"},
        {"CONTENT.DA_", "cp content.dat CONTENT.DA && mscompress CONTENT.DA && rm CONTENT.DA"},
    };
    for (const auto& [file, command] : archives) {
        if (std::filesystem::exists(dir / file))
            continue;
        std::string line = "cd '" + dir.string() + "' && " + command + " >/dev/null";
        if (std::system(line.c_str()) != 0)
            std::fprintf(stderr, "could not make %s\n", file);
    }
}

void decodeArchive(benchmark::State& state, const char* file)
{
    std::string path = (benchDir() / file).string();
    std::uint64_t total = 0;
    for (auto _ : state) {
        torpin::FileSource source;
        if (!source.open(path)) {
            state.SkipWithError("archive missing");
            return;
        }
        auto reader = torpin::makeReader(torpin::detectArchiveType(source), source);
        if (!reader) {
            state.SkipWithError("not an archive");
            return;
        }
        torpin::MemberInfo member;
        for (bool ok = reader->first(member); ok; ok = reader->next(member)) {
            torpin::NullSink sink;
            reader->locate(member);
            if (reader->extract(member, sink, torpin::limits::kMaxMemberBytes) != torpin::ExtractStatus::Ok) {
                state.SkipWithError("member failed");
                return;
            }
            total += member.size;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(total));
}

void decodeSzdd(benchmark::State& state)
{
    std::string path = (benchDir() / "CONTENT.DA_").string();
    for (auto _ : state) {
        torpin::FileSource source;
        torpin::NullSink sink;
        if (!source.open(path) ||
            torpin::SzddDecoder::expand(source, sink, torpin::limits::kMaxMemberBytes) != torpin::ExtractStatus::Ok) {
            state.SkipWithError("expansion failed");
            return;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kContentBytes));
}

BENCHMARK_CAPTURE(decodeArchive, zip_deflate, "content.zip")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeArchive, arj_method1, "m1.arj")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeArchive, arj_method4, "m4.arj")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeArchive, cab_mszip, "content.cab")->Unit(benchmark::kMillisecond);
BENCHMARK(decodeSzdd)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
