// The walk over one archive format's members, and the decoding of one member.
#pragma once

#include "byte_sink.h"
#include "extract_status.h"
#include "member_info.h"

namespace torpin {

class ArchiveReader {
public:
    virtual ~ArchiveReader() = default;
    // Starts the walk again; false when there is no (readable) first member.
    virtual bool first(MemberInfo& member) = 0;
    // False at the end of the archive or at a corrupt directory entry.
    virtual bool next(MemberInfo& member) = 0;
    // Fills the member's rangeStart and rangeEnd where the listing alone cannot tell
    // them; false when its header is unreadable.
    virtual bool locate(MemberInfo& member)
    {
        (void)member;
        return true;
    }
    // Decodes the member into sink, at most maxBytes, checking its CRC.
    virtual ExtractStatus extract(const MemberInfo& member, ByteSink& sink, std::uint64_t maxBytes) = 0;
};

}  // namespace torpin
