// The central directory is walked entry by entry; its declared count bounds nothing.
#include "zip_reader.h"

#include <algorithm>
#include <vector>

#include "input_range.h"
#include "little_endian.h"
#include "member_name.h"
#include "member_output.h"

namespace torpin {
namespace {

constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kZip64EndSignature = 0x06064b50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kLocalSize = 30;
constexpr std::uint16_t kFlagEncrypted = 0x0001;
constexpr std::uint16_t kMethodStored = 0;
constexpr std::uint16_t kMethodDeflated = 8;

}  // namespace

ZipReader::ZipReader(ByteSource& source) : m_source(source)
{
    m_directoryFound = findDirectory();
}

bool ZipReader::findDirectory()
{
    std::uint64_t size = m_source.size();
    if (size < kEndSize)
        return false;
    // The end record sits in the last 22 bytes plus at most a 65535-byte comment.
    std::uint64_t tailStart = size > kEndSize + 0xFFFF ? size - kEndSize - 0xFFFF : 0;
    std::vector<std::uint8_t> tail(static_cast<std::size_t>(size - tailStart));
    if (!m_source.readExact(tailStart, tail.data(), tail.size()))
        return false;
    for (std::size_t i = tail.size() - kEndSize + 1; i-- > 0;) {
        const std::uint8_t* end = tail.data() + i;
        if (le32(end) != kEndSignature)
            continue;
        std::uint64_t endAt = tailStart + i;
        if (endAt + kEndSize + le16(end + 20) > size)
            continue;
        std::uint64_t dirSize = le32(end + 12);
        std::uint64_t dirOffset = le32(end + 16);
        std::uint64_t dirEndAt = endAt;
        if (endAt >= 20 && i >= 20 && le32(end - 20) == kZip64LocatorSignature) {
            if (!readZip64End(endAt - 20))
                return false;
            return true;
        }
        if (dirSize > dirEndAt)
            return false;
        std::uint64_t actualStart = dirEndAt - dirSize;
        if (dirOffset > actualStart)
            return false;
        m_shift = actualStart - dirOffset;
        m_directoryStart = actualStart;
        m_directoryEnd = dirEndAt;
        return true;
    }
    return false;
}

bool ZipReader::readZip64End(std::uint64_t locatorAt)
{
    std::uint8_t locator[20];
    if (!m_source.readExact(locatorAt, locator, sizeof locator))
        return false;
    std::uint64_t recordAt = le64(locator + 8);
    std::uint8_t record[56];
    // The record normally sits right before the locator; a stub in front shifts both.
    std::uint64_t expectedAt = locatorAt >= 56 ? locatorAt - 56 : 0;
    std::uint64_t shift = 0;
    if (!m_source.readExact(recordAt, record, sizeof record) || le32(record) != kZip64EndSignature) {
        if (expectedAt < recordAt || !m_source.readExact(expectedAt, record, sizeof record) ||
            le32(record) != kZip64EndSignature)
            return false;
        shift = expectedAt - recordAt;
        recordAt = expectedAt;
    }
    std::uint64_t dirSize = le64(record + 40);
    std::uint64_t dirOffset = le64(record + 48);
    if (dirOffset > UINT64_MAX - shift)
        return false;
    std::uint64_t start = dirOffset + shift;
    if (start > recordAt || dirSize > recordAt - start)
        return false;
    m_shift = shift;
    m_directoryStart = start;
    m_directoryEnd = start + dirSize;
    return true;
}

bool ZipReader::first(MemberInfo& member)
{
    m_cursor = m_directoryStart;
    return next(member);
}

bool ZipReader::next(MemberInfo& member)
{
    if (!m_directoryFound)
        return false;
    if (!readEntry(member)) {
        m_cursor = m_directoryEnd;  // a bad entry ends the walk for good
        return false;
    }
    return true;
}

bool ZipReader::readEntry(MemberInfo& member)
{
    if (m_cursor >= m_directoryEnd || m_directoryEnd - m_cursor < kCentralSize)
        return false;
    std::uint8_t head[kCentralSize];
    if (!m_source.readExact(m_cursor, head, sizeof head) || le32(head) != kCentralSignature)
        return false;
    std::uint16_t flags = le16(head + 8);
    std::uint16_t method = le16(head + 10);
    std::uint64_t packed = le32(head + 20);
    std::uint64_t size = le32(head + 24);
    std::size_t nameLength = le16(head + 28);
    std::size_t extraLength = le16(head + 30);
    std::size_t commentLength = le16(head + 32);
    std::uint64_t localAt = le32(head + 42);
    std::uint64_t entryEnd = m_cursor + kCentralSize + nameLength + extraLength + commentLength;
    if (entryEnd > m_directoryEnd)
        return false;

    std::vector<std::uint8_t> variable(nameLength + extraLength);
    if (!m_source.readExact(m_cursor + kCentralSize, variable.data(), variable.size()))
        return false;

    // ZIP64 sizes stand in the extra field, in this order, for each field at its maximum.
    const std::uint8_t* extra = variable.data() + nameLength;
    for (std::size_t at = 0; at + 4 <= extraLength;) {
        std::uint16_t id = le16(extra + at);
        std::size_t length = le16(extra + at + 2);
        if (at + 4 + length > extraLength)
            break;
        if (id == 0x0001) {
            const std::uint8_t* field = extra + at + 4;
            std::size_t left = length;
            auto take = [&](std::uint64_t& value) {
                if (value != 0xFFFFFFFFu)
                    return true;
                if (left < 8)
                    return false;
                value = le64(field);
                field += 8;
                left -= 8;
                return true;
            };
            if (!take(size) || !take(packed) || !take(localAt))
                return false;
        }
        at += 4 + length;
    }

    member = MemberInfo {};
    member.name = memberName(reinterpret_cast<const char*>(variable.data()), nameLength);
    member.packedSize = packed;
    member.size = size;
    member.crc = le32(head + 16);
    member.method = method;
    member.encrypted = (flags & kFlagEncrypted) != 0;
    member.directory = namesFolder(member.name) && size == 0;
    if (localAt > UINT64_MAX - m_shift)
        return false;
    member.locator = localAt + m_shift;
    member.rangeStart = member.locator;
    member.rangeEnd = member.locator;  // known once the local header is read
    m_cursor = entryEnd;
    return true;
}

bool ZipReader::dataStart(const MemberInfo& member, std::uint64_t& at)
{
    std::uint8_t local[kLocalSize];
    if (!m_source.readExact(member.locator, local, sizeof local) || le32(local) != kLocalSignature)
        return false;
    at = member.locator + kLocalSize + le16(local + 26) + le16(local + 28);
    std::uint64_t total = m_source.size();
    return at <= total && member.packedSize <= total - at;
}

bool ZipReader::locate(MemberInfo& member)
{
    std::uint64_t at = 0;
    if (!dataStart(member, at))
        return false;
    member.rangeStart = member.locator;
    member.rangeEnd = at + member.packedSize;
    return true;
}

ExtractStatus ZipReader::extract(const MemberInfo& member, ByteSink& sink, std::uint64_t maxBytes)
{
    if (member.encrypted)
        return ExtractStatus::Encrypted;
    if (member.method != kMethodStored && member.method != kMethodDeflated)
        return ExtractStatus::Unsupported;
    if (member.size > maxBytes)
        return ExtractStatus::Limit;
    std::uint64_t dataAt = 0;
    if (!dataStart(member, dataAt))
        return ExtractStatus::Corrupt;
    if (member.method == kMethodStored && member.packedSize != member.size)
        return ExtractStatus::Corrupt;

    MemberOutput output(sink, maxBytes, member.packedSize);
    InputRange input(m_source, dataAt, dataAt + member.packedSize);
    if (member.method == kMethodStored) {
        if (!CopyStored(input, output))
            return output.status();
        if (output.written() != member.packedSize)
            return ExtractStatus::Corrupt;
    } else {
        if (!m_inflater)
            m_inflater = std::make_unique<RawInflater>();
        ExtractStatus status = m_inflater->run(input, output, nullptr, 0);
        if (status != ExtractStatus::Ok)
            return status;
    }
    if (output.written() != member.size)
        return ExtractStatus::Corrupt;
    if (output.crc() != member.crc)
        return ExtractStatus::BadCrc;
    return ExtractStatus::Ok;
}

}  // namespace torpin
