// One walk over one archive: listing, writing members to temporary files, limits.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "archive_limits.h"
#include "archive_reader.h"
#include "archive_type.h"
#include "byte_source.h"
#include "extract_status.h"
#include "member_info.h"
#include "overlap_guard.h"
#include "temp_file_factory.h"

namespace torpin {

// The walk's limits; the defaults are the documented ones, tests narrow them.
struct WalkLimits {
    std::uint64_t maxMemberBytes = limits::kMaxMemberBytes;
    std::uint64_t maxArchiveBytes = limits::kMaxArchiveBytes;
    std::uint32_t maxMembers = limits::kMaxMembers;
};

class ArchiveWalk {
public:
    explicit ArchiveWalk(TempFileFactory& temps, const WalkLimits& limits = WalkLimits {})
        : m_temps(temps), m_limits(limits)
    {
    }
    ~ArchiveWalk();
    ArchiveWalk(const ArchiveWalk&) = delete;
    ArchiveWalk& operator=(const ArchiveWalk&) = delete;

    // Opens a file and detects its format; false when it is no archive this walk reads.
    bool open(const std::string& path);
    // Walks an already opened source (memory in tests and fuzzing).
    bool open(std::unique_ptr<ByteSource> source);

    // The member's name, or null at the end of the archive, at a corrupt directory
    // or after the member limit. Folder entries are passed over. The name stays valid
    // until the next first() or next(), through extractCurrent() and removeCurrent().
    // Starting again with first() renews none of the walk's limits: the members counted,
    // the bytes written and the archive's bytes already extracted stay used up.
    const char* first();
    const char* next();

    // The temporary file holding the current member, or null when it was skipped;
    // lastStatus() says why (NoMember when no member is current, also before any
    // extraction of the current one was tried).
    const char* extractCurrent();
    // Deletes the current member's temporary file; true when none is left.
    bool removeCurrent();
    // Ends the walk and deletes what it wrote.
    void close();

    ArchiveType type() const { return m_type; }
    ExtractStatus lastStatus() const { return m_lastStatus; }
    const MemberInfo& current() const { return m_current; }
    std::uint64_t bytesWritten() const { return m_bytesWritten; }

private:
    const char* advance(bool found);

    TempFileFactory& m_temps;
    WalkLimits m_limits;
    std::unique_ptr<ByteSource> m_source;
    std::unique_ptr<ArchiveReader> m_reader;
    ArchiveType m_type = ArchiveType::None;
    MemberInfo m_current;
    bool m_hasCurrent = false;
    std::uint32_t m_seen = 0;
    std::uint64_t m_bytesWritten = 0;
    OverlapGuard m_written;
    std::string m_extracted;
    std::vector<std::string> m_leftovers;
    ExtractStatus m_lastStatus = ExtractStatus::NoMember;
};

}  // namespace torpin
