// Members of a cabinet file: stored and MSZIP folders of one cabinet.
#pragma once

#include <cstdint>
#include <vector>

#include <zlib.h>

#include "archive_limits.h"
#include "archive_reader.h"
#include "byte_source.h"

namespace torpin {

class CabReader final : public ArchiveReader {
public:
    // decodeLimit bounds the bytes decoded over the reader's life (the documented
    // limit unless a test narrows it).
    explicit CabReader(ByteSource& source, std::uint64_t decodeLimit = limits::kMaxDecodedBytes);
    ~CabReader() override;
    CabReader(const CabReader&) = delete;
    CabReader& operator=(const CabReader&) = delete;

    // True when the source starts with a cabinet header this reader understands.
    static bool recognise(ByteSource& source);

    bool first(MemberInfo& member) override;
    bool next(MemberInfo& member) override;
    ExtractStatus extract(const MemberInfo& member, ByteSink& sink, std::uint64_t maxBytes) override;

private:
    struct Folder {
        std::uint64_t dataAt = 0;
        std::uint16_t blocks = 0;
        std::uint16_t compression = 0;
    };
    // Where the decoding of one folder has got to, so that members that follow each
    // other in a folder are not decoded from its start again.
    struct Cursor {
        int folder = -1;
        std::uint64_t nextBlockAt = 0;
        std::uint32_t blocksLeft = 0;
        std::uint64_t position = 0;  // folder bytes decoded so far
        std::vector<std::uint8_t> block;  // the last decoded block
        std::size_t blockUsed = 0;  // its bytes already passed on
        std::vector<std::uint8_t> history;  // the last 32 KB, for the next MSZIP block
    };

    bool readHeader();
    bool stopWalk();
    void rewind(int folder);
    ExtractStatus decodeBlock();

    ByteSource& m_source;
    bool m_valid = false;
    std::uint64_t m_filesAt = 0;
    std::uint32_t m_fileCount = 0;
    std::uint32_t m_fileIndex = 0;
    std::uint64_t m_cursorAt = 0;
    std::uint8_t m_dataReserve = 0;
    std::vector<Folder> m_folders;
    Cursor m_cursor;
    std::uint64_t m_decoded = 0;
    std::uint64_t m_decodeLimit;
    z_stream m_zlib {};
    bool m_zlibReady = false;
};

}  // namespace torpin
