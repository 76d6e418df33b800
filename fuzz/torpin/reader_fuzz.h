// Shared body of the reader fuzz targets: list every member and decode each one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "archive_reader.h"
#include "byte_sink.h"

namespace torpin::fuzz {

// Small enough that a run never waits on a single large member.
inline constexpr std::uint64_t kFuzzMaxBytes = 4 * 1024 * 1024;
inline constexpr int kFuzzMaxMembers = 64;

inline void walkAll(ArchiveReader& reader) {
    MemberInfo member;
    int seen = 0;
    for (bool ok = reader.first(member); ok && seen < kFuzzMaxMembers; ok = reader.next(member), ++seen) {
        if (!reader.locate(member)) continue;
        NullSink sink;
        reader.extract(member, sink, kFuzzMaxBytes);
    }
}

}  // namespace torpin::fuzz
