// Cabinet members share their folder's compressed blocks, so a member's range for the
// overlap check is its place in the folder's expanded bytes, not in the file.
#include "cab_reader.h"

#include <algorithm>
#include <cstring>

#include "archive_limits.h"
#include "little_endian.h"
#include "member_name.h"
#include "member_output.h"

namespace torpin {
namespace {

constexpr std::size_t kHeaderSize = 36;
constexpr std::uint16_t kFlagPrevious = 0x0001;
constexpr std::uint16_t kFlagNext = 0x0002;
constexpr std::uint16_t kFlagReserve = 0x0004;
constexpr std::uint16_t kCompressionNone = 0;
constexpr std::uint16_t kCompressionMszip = 1;
constexpr std::size_t kMaxBlock = 32768;
constexpr std::size_t kFileEntrySize = 16;
constexpr std::size_t kMaxCabName = 256;
constexpr int kFolderShift = 34;  // folder offsets and sizes stay below 2^33

// Skips a NUL-terminated string at pos; false when it has no end within the limit.
bool skipString(ByteSource& source, std::uint64_t& pos)
{
    std::uint8_t text[kMaxCabName];
    std::size_t n = source.read(pos, text, sizeof text);
    const void* end = n > 0 ? std::memchr(text, 0, n) : nullptr;
    if (!end)
        return false;
    pos += static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - text) + 1;
    return true;
}

}  // namespace

CabReader::CabReader(ByteSource& source, std::uint64_t decodeLimit) : m_source(source), m_decodeLimit(decodeLimit)
{
    m_zlibReady = inflateInit2(&m_zlib, -MAX_WBITS) == Z_OK;
    m_valid = m_zlibReady && readHeader();
}

CabReader::~CabReader()
{
    if (m_zlibReady)
        inflateEnd(&m_zlib);
}

bool CabReader::recognise(ByteSource& source)
{
    std::uint8_t head[kHeaderSize];
    if (!source.readExact(0, head, sizeof head) || std::memcmp(head, "MSCF", 4) != 0)
        return false;
    return head[25] == 1 && le16(head + 26) > 0;  // format version 1.x with a folder
}

bool CabReader::readHeader()
{
    std::uint8_t head[kHeaderSize];
    if (!m_source.readExact(0, head, sizeof head) || std::memcmp(head, "MSCF", 4) != 0)
        return false;
    m_filesAt = le32(head + 16);
    std::uint16_t folderCount = le16(head + 26);
    m_fileCount = le16(head + 28);
    std::uint16_t flags = le16(head + 30);
    std::uint64_t pos = kHeaderSize;
    std::uint8_t folderReserve = 0;
    if (flags & kFlagReserve) {
        std::uint8_t reserve[4];
        if (!m_source.readExact(pos, reserve, 4))
            return false;
        folderReserve = reserve[2];
        m_dataReserve = reserve[3];
        pos += 4 + le16(reserve);
    }
    if ((flags & kFlagPrevious) && !(skipString(m_source, pos) && skipString(m_source, pos)))
        return false;
    if ((flags & kFlagNext) && !(skipString(m_source, pos) && skipString(m_source, pos)))
        return false;
    for (std::uint16_t i = 0; i < folderCount; ++i) {
        std::uint8_t entry[8];
        if (!m_source.readExact(pos, entry, sizeof entry))
            return false;
        m_folders.push_back(Folder {le32(entry), le16(entry + 4), le16(entry + 6)});
        pos += 8 + folderReserve;
    }
    return true;
}

bool CabReader::first(MemberInfo& member)
{
    if (!m_valid)
        return false;
    m_fileIndex = 0;
    m_cursorAt = m_filesAt;
    return next(member);
}

bool CabReader::next(MemberInfo& member)
{
    if (!m_valid || m_fileIndex >= m_fileCount)
        return false;
    std::uint8_t entry[kFileEntrySize];
    std::uint8_t name[kMaxCabName];
    if (!m_source.readExact(m_cursorAt, entry, sizeof entry))
        return stopWalk();
    std::size_t n = m_source.read(m_cursorAt + kFileEntrySize, name, sizeof name);
    const void* end = n > 0 ? std::memchr(name, 0, n) : nullptr;
    if (!end)
        return stopWalk();
    std::size_t nameLength = static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - name);
    std::uint32_t size = le32(entry);
    std::uint32_t offset = le32(entry + 4);
    std::uint16_t folder = le16(entry + 8);
    member = MemberInfo {};
    member.name = memberName(reinterpret_cast<const char*>(name), nameLength);
    member.size = size;
    member.packedSize = size;
    member.method = folder < m_folders.size() ? (m_folders[folder].compression & 0x000F) : 0xFFFF;
    member.locator = folder;
    member.rangeStart = (static_cast<std::uint64_t>(folder) << kFolderShift) + offset;
    member.rangeEnd = member.rangeStart + size;
    m_cursorAt += kFileEntrySize + nameLength + 1;
    ++m_fileIndex;
    return true;
}

bool CabReader::stopWalk()
{
    m_valid = false;
    return false;
}

void CabReader::rewind(int folder)
{
    m_cursor.folder = folder;
    m_cursor.nextBlockAt = m_folders[folder].dataAt;
    m_cursor.blocksLeft = m_folders[folder].blocks;
    m_cursor.position = 0;
    m_cursor.block.clear();
    m_cursor.blockUsed = 0;
    m_cursor.history.clear();
}

ExtractStatus CabReader::decodeBlock()
{
    if (m_cursor.blocksLeft == 0)
        return ExtractStatus::Corrupt;
    std::uint8_t head[8];
    if (!m_source.readExact(m_cursor.nextBlockAt, head, sizeof head))
        return ExtractStatus::Corrupt;
    std::size_t packed = le16(head + 4);
    std::size_t expanded = le16(head + 6);
    std::uint64_t dataAt = m_cursor.nextBlockAt + 8 + m_dataReserve;
    std::vector<std::uint8_t> data(packed);
    if (!m_source.readExact(dataAt, data.data(), packed) || expanded > kMaxBlock)
        return ExtractStatus::Corrupt;
    m_cursor.nextBlockAt = dataAt + packed;
    --m_cursor.blocksLeft;
    if (m_decoded + expanded > m_decodeLimit)
        return ExtractStatus::Limit;
    m_decoded += expanded;

    std::uint16_t compression = m_folders[m_cursor.folder].compression & 0x000F;
    m_cursor.block.assign(expanded, 0);
    m_cursor.blockUsed = 0;
    if (compression == kCompressionNone) {
        if (packed != expanded)
            return ExtractStatus::Corrupt;
        std::copy(data.begin(), data.end(), m_cursor.block.begin());
    } else {
        if (packed < 2 || data[0] != 'C' || data[1] != 'K')
            return ExtractStatus::Corrupt;
        if (inflateReset(&m_zlib) != Z_OK)
            return ExtractStatus::Corrupt;
        if (!m_cursor.history.empty() &&
            inflateSetDictionary(&m_zlib, m_cursor.history.data(), static_cast<uInt>(m_cursor.history.size())) != Z_OK)
            return ExtractStatus::Corrupt;
        std::uint8_t spill = 0;
        m_zlib.next_in = data.data() + 2;
        m_zlib.avail_in = static_cast<uInt>(packed - 2);
        m_zlib.next_out = expanded ? m_cursor.block.data() : &spill;
        m_zlib.avail_out = static_cast<uInt>(expanded ? expanded : 1);
        int rc = inflate(&m_zlib, Z_FINISH);
        if (rc != Z_STREAM_END && rc != Z_OK && rc != Z_BUF_ERROR)
            return ExtractStatus::Corrupt;
        if (m_zlib.total_out != expanded)
            return ExtractStatus::Corrupt;
    }
    m_cursor.position += expanded;
    // The next block may reach back 32 KB into everything decoded so far.
    m_cursor.history.insert(m_cursor.history.end(), m_cursor.block.begin(), m_cursor.block.end());
    if (m_cursor.history.size() > kMaxBlock)
        m_cursor.history.erase(m_cursor.history.begin(), m_cursor.history.end() - kMaxBlock);
    return ExtractStatus::Ok;
}

ExtractStatus CabReader::extract(const MemberInfo& member, ByteSink& sink, std::uint64_t maxBytes)
{
    if (member.locator >= m_folders.size())
        return ExtractStatus::Unsupported;  // spans cabinets
    int folder = static_cast<int>(member.locator);
    std::uint16_t compression = m_folders[folder].compression & 0x000F;
    if (compression != kCompressionNone && compression != kCompressionMszip)
        return ExtractStatus::Unsupported;
    if (member.size > maxBytes)
        return ExtractStatus::Limit;
    std::uint64_t offset = member.rangeStart - (static_cast<std::uint64_t>(folder) << kFolderShift);

    // Bytes of the folder already passed on: the block start plus what was used of it.
    std::uint64_t consumed = m_cursor.position - (m_cursor.block.size() - m_cursor.blockUsed);
    if (m_cursor.folder != folder || consumed > offset) {
        rewind(folder);
        consumed = 0;
    }
    // Members share their folder's blocks, so the ratio is taken against the whole
    // cabinet: no member may expand to more than the limit's multiple of it.
    MemberOutput output(sink, maxBytes, m_source.size());
    std::uint64_t end = offset + member.size;
    while (consumed < end) {
        if (m_cursor.blockUsed == m_cursor.block.size()) {
            ExtractStatus status = decodeBlock();
            if (status != ExtractStatus::Ok) {
                m_cursor.folder = -1;
                return status;
            }
            continue;
        }
        std::size_t available = m_cursor.block.size() - m_cursor.blockUsed;
        if (consumed < offset) {
            std::size_t skip = static_cast<std::size_t>(std::min<std::uint64_t>(available, offset - consumed));
            m_cursor.blockUsed += skip;
            consumed += skip;
            continue;
        }
        std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(available, end - consumed));
        if (!output.write(m_cursor.block.data() + m_cursor.blockUsed, take))
            return output.status();
        m_cursor.blockUsed += take;
        consumed += take;
    }
    return ExtractStatus::Ok;
}

}  // namespace torpin
