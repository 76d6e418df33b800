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
bool skipString(ByteSource& source, std::uint64_t& pos) {
    std::uint8_t text[kMaxCabName];
    std::size_t n = source.read(pos, text, sizeof text);
    const void* end = n > 0 ? std::memchr(text, 0, n) : nullptr;
    if (!end) return false;
    pos += static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - text) + 1;
    return true;
}

}  // namespace

CabReader::CabReader(ByteSource& source, std::uint64_t decodeLimit) : source_(source), decodeLimit_(decodeLimit) {
    zlibReady_ = inflateInit2(&zlib_, -MAX_WBITS) == Z_OK;
    valid_ = zlibReady_ && readHeader();
}

CabReader::~CabReader() {
    if (zlibReady_) inflateEnd(&zlib_);
}

bool CabReader::recognise(ByteSource& source) {
    std::uint8_t head[kHeaderSize];
    if (!source.readExact(0, head, sizeof head) || std::memcmp(head, "MSCF", 4) != 0) return false;
    return head[25] == 1 && le16(head + 26) > 0;  // format version 1.x with a folder
}

bool CabReader::readHeader() {
    std::uint8_t head[kHeaderSize];
    if (!source_.readExact(0, head, sizeof head) || std::memcmp(head, "MSCF", 4) != 0) return false;
    filesAt_ = le32(head + 16);
    std::uint16_t folderCount = le16(head + 26);
    fileCount_ = le16(head + 28);
    std::uint16_t flags = le16(head + 30);
    std::uint64_t pos = kHeaderSize;
    std::uint8_t folderReserve = 0;
    if (flags & kFlagReserve) {
        std::uint8_t reserve[4];
        if (!source_.readExact(pos, reserve, 4)) return false;
        folderReserve = reserve[2];
        dataReserve_ = reserve[3];
        pos += 4 + le16(reserve);
    }
    if ((flags & kFlagPrevious) && !(skipString(source_, pos) && skipString(source_, pos))) return false;
    if ((flags & kFlagNext) && !(skipString(source_, pos) && skipString(source_, pos))) return false;
    for (std::uint16_t i = 0; i < folderCount; ++i) {
        std::uint8_t entry[8];
        if (!source_.readExact(pos, entry, sizeof entry)) return false;
        folders_.push_back(Folder{le32(entry), le16(entry + 4), le16(entry + 6)});
        pos += 8 + folderReserve;
    }
    return true;
}

bool CabReader::first(MemberInfo& member) {
    if (!valid_) return false;
    fileIndex_ = 0;
    cursorAt_ = filesAt_;
    return next(member);
}

bool CabReader::next(MemberInfo& member) {
    if (!valid_ || fileIndex_ >= fileCount_) return false;
    std::uint8_t entry[kFileEntrySize];
    std::uint8_t name[kMaxCabName];
    if (!source_.readExact(cursorAt_, entry, sizeof entry)) return stopWalk();
    std::size_t n = source_.read(cursorAt_ + kFileEntrySize, name, sizeof name);
    const void* end = n > 0 ? std::memchr(name, 0, n) : nullptr;
    if (!end) return stopWalk();
    std::size_t nameLength = static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - name);
    std::uint32_t size = le32(entry);
    std::uint32_t offset = le32(entry + 4);
    std::uint16_t folder = le16(entry + 8);
    member = MemberInfo{};
    member.name = memberName(reinterpret_cast<const char*>(name), nameLength);
    member.size = size;
    member.packedSize = size;
    member.method = folder < folders_.size() ? (folders_[folder].compression & 0x000F) : 0xFFFF;
    member.locator = folder;
    member.rangeStart = (static_cast<std::uint64_t>(folder) << kFolderShift) + offset;
    member.rangeEnd = member.rangeStart + size;
    cursorAt_ += kFileEntrySize + nameLength + 1;
    ++fileIndex_;
    return true;
}

bool CabReader::stopWalk() {
    valid_ = false;
    return false;
}

void CabReader::rewind(int folder) {
    cursor_.folder = folder;
    cursor_.nextBlockAt = folders_[folder].dataAt;
    cursor_.blocksLeft = folders_[folder].blocks;
    cursor_.position = 0;
    cursor_.block.clear();
    cursor_.blockUsed = 0;
    cursor_.history.clear();
}

ExtractStatus CabReader::decodeBlock() {
    if (cursor_.blocksLeft == 0) return ExtractStatus::Corrupt;
    std::uint8_t head[8];
    if (!source_.readExact(cursor_.nextBlockAt, head, sizeof head)) return ExtractStatus::Corrupt;
    std::size_t packed = le16(head + 4);
    std::size_t expanded = le16(head + 6);
    std::uint64_t dataAt = cursor_.nextBlockAt + 8 + dataReserve_;
    std::vector<std::uint8_t> data(packed);
    if (!source_.readExact(dataAt, data.data(), packed) || expanded > kMaxBlock) return ExtractStatus::Corrupt;
    cursor_.nextBlockAt = dataAt + packed;
    --cursor_.blocksLeft;
    if (decoded_ + expanded > decodeLimit_) return ExtractStatus::Limit;
    decoded_ += expanded;

    std::uint16_t compression = folders_[cursor_.folder].compression & 0x000F;
    cursor_.block.assign(expanded, 0);
    cursor_.blockUsed = 0;
    if (compression == kCompressionNone) {
        if (packed != expanded) return ExtractStatus::Corrupt;
        std::copy(data.begin(), data.end(), cursor_.block.begin());
    } else {
        if (packed < 2 || data[0] != 'C' || data[1] != 'K') return ExtractStatus::Corrupt;
        if (inflateReset(&zlib_) != Z_OK) return ExtractStatus::Corrupt;
        if (!cursor_.history.empty() &&
            inflateSetDictionary(&zlib_, cursor_.history.data(), static_cast<uInt>(cursor_.history.size())) != Z_OK)
            return ExtractStatus::Corrupt;
        std::uint8_t spill = 0;
        zlib_.next_in = data.data() + 2;
        zlib_.avail_in = static_cast<uInt>(packed - 2);
        zlib_.next_out = expanded ? cursor_.block.data() : &spill;
        zlib_.avail_out = static_cast<uInt>(expanded ? expanded : 1);
        int rc = inflate(&zlib_, Z_FINISH);
        if (rc != Z_STREAM_END && rc != Z_OK && rc != Z_BUF_ERROR) return ExtractStatus::Corrupt;
        if (zlib_.total_out != expanded) return ExtractStatus::Corrupt;
    }
    cursor_.position += expanded;
    // The next block may reach back 32 KB into everything decoded so far.
    cursor_.history.insert(cursor_.history.end(), cursor_.block.begin(), cursor_.block.end());
    if (cursor_.history.size() > kMaxBlock)
        cursor_.history.erase(cursor_.history.begin(), cursor_.history.end() - kMaxBlock);
    return ExtractStatus::Ok;
}

ExtractStatus CabReader::extract(const MemberInfo& member, ByteSink& sink, std::uint64_t maxBytes) {
    if (member.locator >= folders_.size()) return ExtractStatus::Unsupported;  // spans cabinets
    int folder = static_cast<int>(member.locator);
    std::uint16_t compression = folders_[folder].compression & 0x000F;
    if (compression != kCompressionNone && compression != kCompressionMszip) return ExtractStatus::Unsupported;
    if (member.size > maxBytes) return ExtractStatus::Limit;
    std::uint64_t offset = member.rangeStart - (static_cast<std::uint64_t>(folder) << kFolderShift);

    // Bytes of the folder already passed on: the block start plus what was used of it.
    std::uint64_t consumed = cursor_.position - (cursor_.block.size() - cursor_.blockUsed);
    if (cursor_.folder != folder || consumed > offset) {
        rewind(folder);
        consumed = 0;
    }
    // Members share their folder's blocks, so the ratio is taken against the whole
    // cabinet: no member may expand to more than the limit's multiple of it.
    MemberOutput output(sink, maxBytes, source_.size());
    std::uint64_t end = offset + member.size;
    while (consumed < end) {
        if (cursor_.blockUsed == cursor_.block.size()) {
            ExtractStatus status = decodeBlock();
            if (status != ExtractStatus::Ok) {
                cursor_.folder = -1;
                return status;
            }
            continue;
        }
        std::size_t available = cursor_.block.size() - cursor_.blockUsed;
        if (consumed < offset) {
            std::size_t skip = static_cast<std::size_t>(std::min<std::uint64_t>(available, offset - consumed));
            cursor_.blockUsed += skip;
            consumed += skip;
            continue;
        }
        std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(available, end - consumed));
        if (!output.write(cursor_.block.data() + cursor_.blockUsed, take)) return output.status();
        cursor_.blockUsed += take;
        consumed += take;
    }
    return ExtractStatus::Ok;
}

}  // namespace torpin
