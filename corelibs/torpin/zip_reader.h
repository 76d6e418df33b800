// Members of a ZIP archive, from its central directory (ZIP64 included).
#pragma once

#include <cstdint>
#include <memory>

#include "archive_reader.h"
#include "byte_source.h"
#include "raw_inflater.h"

namespace torpin {

class ZipReader final : public ArchiveReader {
public:
    explicit ZipReader(ByteSource& source);

    bool first(MemberInfo& member) override;
    bool next(MemberInfo& member) override;
    bool locate(MemberInfo& member) override;
    ExtractStatus extract(const MemberInfo& member, ByteSink& sink, std::uint64_t maxBytes) override;

    // True when the end of the central directory was found and is consistent.
    bool hasDirectory() const { return m_directoryFound; }

private:
    bool findDirectory();
    bool readZip64End(std::uint64_t locatorAt);
    bool readEntry(MemberInfo& member);
    // Where the member's data begins, after its local header; false when that header
    // is missing or the data would run past the end of the file.
    bool dataStart(const MemberInfo& member, std::uint64_t& at);

    ByteSource& m_source;
    bool m_directoryFound = false;
    std::uint64_t m_directoryStart = 0;
    std::uint64_t m_directoryEnd = 0;
    // Bytes in front of the archive (a self-extracting stub) that its offsets leave out.
    std::uint64_t m_shift = 0;
    std::uint64_t m_cursor = 0;
    std::unique_ptr<RawInflater> m_inflater;
};

}  // namespace torpin
