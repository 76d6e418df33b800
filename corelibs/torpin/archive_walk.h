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
    explicit ArchiveWalk(TempFileFactory& temps, const WalkLimits& limits = WalkLimits{})
        : temps_(temps), limits_(limits) {}
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

    ArchiveType type() const { return type_; }
    ExtractStatus lastStatus() const { return lastStatus_; }
    const MemberInfo& current() const { return current_; }
    std::uint64_t bytesWritten() const { return bytesWritten_; }

private:
    const char* advance(bool found);

    TempFileFactory& temps_;
    WalkLimits limits_;
    std::unique_ptr<ByteSource> source_;
    std::unique_ptr<ArchiveReader> reader_;
    ArchiveType type_ = ArchiveType::None;
    MemberInfo current_;
    bool hasCurrent_ = false;
    std::uint32_t seen_ = 0;
    std::uint64_t bytesWritten_ = 0;
    OverlapGuard written_;
    std::string extracted_;
    std::vector<std::string> leftovers_;
    ExtractStatus lastStatus_ = ExtractStatus::NoMember;
};

}  // namespace torpin
