// Content, folders and files the archive tests make and inspect.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "archive_limits.h"
#include "byte_sink.h"
#include "extract_status.h"
#include "member_info.h"
#include "zip_builder.h"

namespace torpin::test {

// Reproducible text-like bytes (words from a small vocabulary) that compress well.
Bytes textContent(std::size_t size, std::uint32_t seed);
// Reproducible bytes that barely compress.
Bytes noiseContent(std::size_t size, std::uint32_t seed);

// Every member a reader lists, in its order.
template <typename Reader> std::vector<MemberInfo> listMembers(Reader& reader)
{
    std::vector<MemberInfo> out;
    MemberInfo m;
    for (bool ok = reader.first(m); ok; ok = reader.next(m))
        out.push_back(m);
    return out;
}

// A member's bytes into `out` (what was written before a failure, too), and how it ended.
template <typename Reader>
ExtractStatus extractBytes(
    Reader& reader, const MemberInfo& m, Bytes& out, std::uint64_t maxBytes = limits::kMaxMemberBytes)
{
    MemorySink sink;
    ExtractStatus status = reader.extract(m, sink, maxBytes);
    out = sink.bytes;
    return status;
}

// A fresh folder that is deleted with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::string str() const { return m_path.string(); }
    std::vector<std::string> files() const;  // names of the files in it, sorted

private:
    std::filesystem::path m_path;
};

void writeFile(const std::filesystem::path& path, const Bytes& data);
Bytes readFile(const std::filesystem::path& path);

// A checked-in file of the tests' data folder.
Bytes dataFile(const std::string& name);

// Runs a shell command in a folder (native tests only); true when it exits with 0.
bool runIn(const std::filesystem::path& folder, const std::string& command);

}  // namespace torpin::test
