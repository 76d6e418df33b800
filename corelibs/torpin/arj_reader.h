// Members of an ARJ archive, header by header, with their header CRCs checked.
#pragma once

#include <cstdint>
#include <memory>

#include "archive_reader.h"
#include "arj_decoder.h"
#include "byte_source.h"

namespace torpin {

class ArjReader final : public ArchiveReader {
public:
    explicit ArjReader(ByteSource& source);

    // Where the main header starts: at 0, or after a stub within the leading-bytes
    // limit. False when the source holds no ARJ archive.
    static bool findMainHeader(ByteSource& source, std::uint64_t& at);

    bool first(MemberInfo& member) override;
    bool next(MemberInfo& member) override;
    ExtractStatus extract(const MemberInfo& member, ByteSink& sink, std::uint64_t maxBytes) override;

private:
    struct Header {
        std::vector<std::uint8_t> basic;
        std::uint64_t end = 0;  // first byte after the header and its extended headers
    };
    // Reads the header at offset; false at the end marker or on any damage. Its extended
    // headers are checked and counted against extendedLeft, which bounds a whole archive.
    static bool readHeader(ByteSource& source, std::uint64_t at, Header& header, std::uint32_t& extendedLeft);
    // Checks the basic header held in memory at data (its CRC and sizes); size receives
    // the basic header's length.
    static bool basicHeaderValid(const std::uint8_t* data, std::size_t available, std::size_t& size);
    // Follows the extended headers starting at pos; end receives the first byte after them.
    static bool skipExtended(ByteSource& source, std::uint64_t pos, std::uint64_t& end, std::uint32_t& extendedLeft);

    ByteSource& m_source;
    bool m_found = false;
    std::uint64_t m_mainAt = 0;
    std::uint64_t m_cursor = 0;
    std::uint32_t m_extendedLeft;
    std::unique_ptr<ArjDecoder> m_decoder;
};

}  // namespace torpin
