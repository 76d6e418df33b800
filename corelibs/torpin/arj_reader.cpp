// Each header carries its own CRC; a header that fails it ends the walk.
#include "arj_reader.h"

#include <cstring>
#include <vector>

#include <zlib.h>

#include "archive_limits.h"
#include "input_range.h"
#include "little_endian.h"
#include "member_name.h"
#include "member_output.h"

namespace torpin {
namespace {

constexpr std::uint8_t kId0 = 0x60;
constexpr std::uint8_t kId1 = 0xEA;
constexpr std::size_t kMaxBasicHeader = 2600;
constexpr std::size_t kMinFirstHeader = 30;
constexpr std::uint8_t kFlagGarbled = 0x01;
constexpr std::uint8_t kTypeBinary = 0;
constexpr std::uint8_t kTypeText = 1;
constexpr std::uint8_t kTypeMain = 2;

std::uint32_t crcOf(const std::uint8_t* data, std::size_t n)
{
    return static_cast<std::uint32_t>(::crc32(0, data, static_cast<uInt>(n)));
}

}  // namespace

ArjReader::ArjReader(ByteSource& source) : m_source(source), m_extendedLeft(limits::kMaxArchiveExtendedHeaders)
{
    m_found = findMainHeader(m_source, m_mainAt);
}

bool ArjReader::basicHeaderValid(const std::uint8_t* data, std::size_t available, std::size_t& size)
{
    if (available < 4 || data[0] != kId0 || data[1] != kId1)
        return false;
    size = le16(data + 2);
    if (size == 0 || size > kMaxBasicHeader || available < 4 + size + 4)
        return false;
    const std::uint8_t* basic = data + 4;
    if (basic[0] < kMinFirstHeader || basic[0] > size)
        return false;
    return crcOf(basic, size) == le32(basic + size);
}

bool ArjReader::skipExtended(ByteSource& source, std::uint64_t pos, std::uint64_t& end, std::uint32_t& extendedLeft)
{
    // Extended headers: a size, that many bytes and their CRC, until a size of 0. Each
    // must lie inside the file and pass its CRC, and only a few are followed.
    std::vector<std::uint8_t> extended;
    for (std::uint32_t count = 0;; ++count) {
        std::uint8_t sizeBytes[2];
        if (!source.readExact(pos, sizeBytes, 2))
            return false;
        std::uint16_t size = le16(sizeBytes);
        pos += 2;
        if (size == 0)
            break;
        if (count == limits::kMaxExtendedHeaders || extendedLeft == 0)
            return false;
        --extendedLeft;
        if (source.size() < pos || source.size() - pos < size + 4u)
            return false;
        extended.resize(size + 4u);
        if (!source.readExact(pos, extended.data(), extended.size()))
            return false;
        if (crcOf(extended.data(), size) != le32(extended.data() + size))
            return false;
        pos += size + 4u;
    }
    end = pos;
    return true;
}

bool ArjReader::readHeader(ByteSource& source, std::uint64_t at, Header& header, std::uint32_t& extendedLeft)
{
    std::uint8_t head[4];
    if (!source.readExact(at, head, sizeof head) || head[0] != kId0 || head[1] != kId1)
        return false;
    std::size_t size = le16(head + 2);
    if (size == 0 || size > kMaxBasicHeader)
        return false;
    std::vector<std::uint8_t> whole(4 + size + 4);
    if (!source.readExact(at, whole.data(), whole.size()))
        return false;
    std::size_t checked = 0;
    if (!basicHeaderValid(whole.data(), whole.size(), checked))
        return false;
    header.basic.assign(whole.begin() + 4, whole.begin() + 4 + static_cast<std::ptrdiff_t>(size));
    return skipExtended(source, at + 4 + size + 4, header.end, extendedLeft);
}

bool ArjReader::findMainHeader(ByteSource& source, std::uint64_t& at)
{
    // The leading bytes are read once; each candidate's basic header is checked in memory,
    // and only a main header's extended headers are followed on the file.
    std::uint64_t want = std::uint64_t(limits::kMaxLeadingBytes) + 4 + kMaxBasicHeader + 4;
    std::uint64_t limit = source.size() < want ? source.size() : want;
    std::vector<std::uint8_t> lead(static_cast<std::size_t>(limit));
    if (!source.readExact(0, lead.data(), lead.size()))
        return false;
    std::uint32_t extendedLeft = limits::kMaxArchiveExtendedHeaders;
    std::size_t candidates = lead.size() < limits::kMaxLeadingBytes ? lead.size() : limits::kMaxLeadingBytes;
    for (std::size_t i = 0; i + 1 < candidates; ++i) {
        if (lead[i] != kId0 || lead[i + 1] != kId1)
            continue;
        std::size_t size = 0;
        if (lead.size() - i < 4 + kMinFirstHeader || lead[i + 4 + 6] != kTypeMain)
            continue;
        if (!basicHeaderValid(lead.data() + i, lead.size() - i, size))
            continue;
        std::uint64_t end = 0;
        if (!skipExtended(source, i + 4 + size + 4, end, extendedLeft)) {
            if (extendedLeft == 0)
                return false;
            continue;
        }
        at = i;
        return true;
    }
    return false;
}

bool ArjReader::first(MemberInfo& member)
{
    if (!m_found)
        return false;
    Header main;
    // The extended-header budget is the archive's, not the pass's: a second pass does
    // not renew it.
    if (!readHeader(m_source, m_mainAt, main, m_extendedLeft))
        return false;
    m_cursor = main.end;
    return next(member);
}

bool ArjReader::next(MemberInfo& member)
{
    if (!m_found)
        return false;
    Header header;
    std::uint64_t at = m_cursor;
    if (!readHeader(m_source, at, header, m_extendedLeft)) {
        m_found = false;  // the end marker or a damaged header ends the walk for good
        return false;
    }
    const std::uint8_t* b = header.basic.data();
    std::size_t firstSize = b[0];
    std::uint64_t packed = le32(b + 12);
    std::uint64_t dataEnd = header.end + packed;
    member = MemberInfo {};
    const char* names = reinterpret_cast<const char*>(b + firstSize);
    member.name = memberName(names, header.basic.size() - firstSize);
    member.packedSize = packed;
    member.size = le32(b + 16);
    member.crc = le32(b + 20);
    member.method = b[5];
    member.encrypted = (b[4] & kFlagGarbled) != 0;
    member.directory = b[6] != kTypeBinary && b[6] != kTypeText;
    member.rangeStart = at;
    member.rangeEnd = dataEnd;
    member.locator = header.end;
    m_cursor = dataEnd;
    m_found = true;
    return true;
}

ExtractStatus ArjReader::extract(const MemberInfo& member, ByteSink& sink, std::uint64_t maxBytes)
{
    if (member.encrypted)
        return ExtractStatus::Encrypted;
    if (member.method > 4)
        return ExtractStatus::Unsupported;
    if (member.size > maxBytes)
        return ExtractStatus::Limit;
    std::uint64_t total = m_source.size();
    if (member.locator > total || member.packedSize > total - member.locator)
        return ExtractStatus::Corrupt;
    if (member.method == 0 && member.packedSize != member.size)
        return ExtractStatus::Corrupt;
    MemberOutput output(sink, maxBytes, member.packedSize);
    InputRange input(m_source, member.locator, member.locator + member.packedSize);
    if (member.method == 0) {
        if (!CopyStored(input, output))
            return output.status();
        if (output.written() != member.size)
            return ExtractStatus::Corrupt;
    } else {
        if (!m_decoder)
            m_decoder = std::make_unique<ArjDecoder>();
        ExtractStatus status = m_decoder->decode(member.method, input, output, member.size);
        if (status != ExtractStatus::Ok)
            return status;
    }
    return output.crc() == member.crc ? ExtractStatus::Ok : ExtractStatus::BadCrc;
}

}  // namespace torpin
