// Sealing and checking the record file envelope.
#include "record_file.h"

#include <cstring>

#include <zlib.h>

#include "byte_order.h"

namespace {

std::uint32_t Crc(const std::uint8_t* data, std::size_t size)
{
    return static_cast<std::uint32_t>(crc32(crc32(0L, Z_NULL, 0), data, static_cast<uInt>(size)));
}

}  // namespace

std::vector<std::uint8_t> EncodeRecordFile(const char (&magic)[9], const RecordFile& file)
{
    std::vector<std::uint8_t> bytes(kRecordFileOverhead + file.payload.size());
    std::memcpy(bytes.data(), magic, 8);
    PutU32(&bytes[8], static_cast<std::uint32_t>(file.payload.size()));
    PutU32(&bytes[12], file.serial);
    if (!file.payload.empty())
        std::memcpy(&bytes[16], file.payload.data(), file.payload.size());
    const std::size_t end = bytes.size() - 4;
    PutU32(&bytes[end], Crc(bytes.data(), end));
    return bytes;
}

std::optional<RecordFile> DecodeRecordFile(
    const char (&magic)[9], const std::vector<std::uint8_t>& bytes, std::size_t maxPayload)
{
    if (bytes.size() < kRecordFileOverhead || std::memcmp(bytes.data(), magic, 8) != 0)
        return std::nullopt;
    const std::uint32_t size = GetU32(&bytes[8]);
    if (size > maxPayload || bytes.size() - kRecordFileOverhead != size)
        return std::nullopt;
    const std::size_t end = bytes.size() - 4;
    if (GetU32(&bytes[end]) != Crc(bytes.data(), end))
        return std::nullopt;
    RecordFile file;
    file.serial = GetU32(&bytes[12]);
    file.payload.assign(bytes.begin() + 16, bytes.begin() + static_cast<std::ptrdiff_t>(end));
    return file;
}
