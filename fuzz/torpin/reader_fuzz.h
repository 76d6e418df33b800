// Shared body of the archive fuzz targets: the whole walk the scanner makes, with real
// temporary files, and a check that nothing is left behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "archive_type.h"
#include "archive_walk.h"
#include "byte_source.h"
#include "temp_file_factory.h"

namespace torpin::fuzz {

// Small enough that a run never waits on a single large member.
inline constexpr std::uint64_t kFuzzMaxBytes = 4 * 1024 * 1024;
inline constexpr std::uint32_t kFuzzMaxMembers = 64;

// One folder per fuzzing process, made on first use.
inline const std::string& scratchFolder()
{
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "torpin-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    return folder;
}

// A walk that wrote anything it did not delete is a finding.
inline void requireEmpty(const std::string& folder)
{
    if (!std::filesystem::is_empty(folder))
        __builtin_trap();
}

// Type check, then first/next with an extraction and removal of every member, as the
// scanner calls them; a second first() pass checks that limits are not renewed.
inline void walkWhole(const std::uint8_t* data, std::size_t size)
{
    static TempFileFactory temps(0x1000);
    temps.setDirectory(scratchFolder());
    MemorySource probe(data, size);
    detectArchiveType(probe);
    WalkLimits limits;
    limits.maxMemberBytes = kFuzzMaxBytes;
    limits.maxArchiveBytes = 2 * kFuzzMaxBytes;
    limits.maxMembers = kFuzzMaxMembers;
    {
        ArchiveWalk walk(temps, limits);
        if (walk.open(std::make_unique<MemorySource>(data, size))) {
            for (int pass = 0; pass < 2; ++pass) {
                for (const char* name = walk.first(); name; name = walk.next()) {
                    if (walk.extractCurrent() == nullptr && walk.lastStatus() == ExtractStatus::Ok)
                        __builtin_trap();
                    walk.removeCurrent();
                    if (std::string(name).size() > limits::kMaxNameBytes)
                        __builtin_trap();
                }
            }
            if (walk.bytesWritten() > limits.maxArchiveBytes)
                __builtin_trap();
        }
    }
    requireEmpty(scratchFolder());
}

}  // namespace torpin::fuzz
