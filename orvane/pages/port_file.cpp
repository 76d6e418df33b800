// PORT.CFG and PORTDEF.CFG: parsing, the default content, the list line and whole-file reads and writes.
#include "port_file.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace port_file {

const std::vector<std::string> kPortNames = {"COM1", "COM2", "COM3", "COM4"};
const std::vector<std::string> kBaudTexts = {"300", "1200", "2400", "4800", "9600"};
const std::vector<std::string> kDataBitsTexts = {"7", "8"};
const std::vector<std::string> kParityTexts = {"NONE", "EVEN", "ODD"};
const std::vector<std::string> kStopBitsTexts = {"1", "2"};

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File Open(const std::string& path, const char* mode)
{
    return File(std::fopen(path.c_str(), mode), &std::fclose);
}

std::optional<std::vector<std::uint8_t>> ReadAll(const std::string& path)
{
    File file = Open(path, "rb");
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    return bytes;
}

}  // namespace

const std::string& TextAt(const std::vector<std::string>& texts, std::int32_t index)
{
    if (index < 0)
        return texts.front();
    if (static_cast<std::size_t>(index) >= texts.size())
        return texts.back();
    return texts[static_cast<std::size_t>(index)];
}

PortFileHeader DefaultHeader()
{
    PortFileHeader header = {};
    header.recordCount = 1;
    header.nextPortId = 2;
    return header;
}

PortRecord DefaultRecord()
{
    PortRecord record = {};
    record.portId = kDefaultPortId;
    record.portNumber = 1;
    SetFieldText(record.portName, kPortNameSize, "COM1", kPortNameSize - 1);
    record.baudIndex = 0;
    record.dataBitsIndex = 0;
    record.parityIndex = 1;
    record.stopBitsIndex = 0;
    SetFieldText(record.description, kDescriptionSize, "Alpha-Numeric Pager Setting (Default)", kDescriptionLimit);
    return record;
}

std::string PortNameFor(int portNumber)
{
    if (portNumber < 1 || portNumber > static_cast<int>(kPortNames.size()))
        return std::string();
    return kPortNames[static_cast<std::size_t>(portNumber - 1)];
}

std::string FieldText(const char* field, std::size_t size)
{
    return std::string(field, strnlen(field, size));
}

void SetFieldText(char* field, std::size_t size, const std::string& text, std::size_t limit)
{
    std::memset(field, 0, size);
    std::size_t length = text.size();
    if (length > limit)
        length = limit;
    if (length > size - 1)
        length = size - 1;
    std::memcpy(field, text.data(), length);
}

std::string DisplayLine(const PortRecord& record)
{
    return std::to_string(record.portId) + '\t' + FieldText(record.portName, kPortNameSize) + '\t' +
        TextAt(kBaudTexts, record.baudIndex) + '\t' + TextAt(kParityTexts, record.parityIndex) + '\t' +
        TextAt(kDataBitsTexts, record.dataBitsIndex) + '\t' + TextAt(kStopBitsTexts, record.stopBitsIndex) + '\t' +
        FieldText(record.description, kDescriptionSize);
}

PortFileContent ParsePortFile(const std::vector<std::uint8_t>& bytes)
{
    PortFileContent content = {};
    if (bytes.size() < kBlockSize)
        return content;
    std::memcpy(&content.header, bytes.data(), kBlockSize);
    // The header's count does not bound the records: every whole block after it is one.
    for (std::size_t at = kBlockSize; at + kBlockSize <= bytes.size(); at += kBlockSize) {
        PortRecord record;
        std::memcpy(&record, bytes.data() + at, kBlockSize);
        content.records.push_back(record);
    }
    return content;
}

PortFileContent DefaultContent()
{
    return PortFileContent {DefaultHeader(), {DefaultRecord()}};
}

std::vector<std::uint8_t> PortFileBytes(const PortFileHeader& header, const std::vector<PortRecord>& records)
{
    const PortFileContent fallback = DefaultContent();
    const bool empty = records.empty();
    PortFileHeader written = empty ? fallback.header : header;
    const std::vector<PortRecord>& listed = empty ? fallback.records : records;
    written.recordCount = static_cast<std::uint16_t>(listed.size());
    std::vector<std::uint8_t> bytes(kBlockSize * (1 + listed.size()));
    std::memcpy(bytes.data(), &written, kBlockSize);
    for (std::size_t i = 0; i < listed.size(); ++i)
        std::memcpy(bytes.data() + kBlockSize * (i + 1), &listed[i], kBlockSize);
    return bytes;
}

PortFileContent LoadPortFile(const std::string& path)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadAll(path);
    return bytes ? ParsePortFile(*bytes) : DefaultContent();
}

bool SavePortFile(const std::string& path, const PortFileHeader& header, const std::vector<PortRecord>& records)
{
    File file = Open(path, "wb");
    if (!file)
        return false;
    const std::vector<std::uint8_t> bytes = PortFileBytes(header, records);
    // The header first: the records follow only a header that went out whole.
    if (std::fwrite(bytes.data(), 1, kBlockSize, file.get()) != kBlockSize)
        return false;
    const std::size_t rest = bytes.size() - kBlockSize;
    return std::fwrite(bytes.data() + kBlockSize, 1, rest, file.get()) == rest;
}

std::optional<std::uint16_t> ReadDefaultPortId(const std::string& path)
{
    File file = Open(path, "rb");
    if (!file)
        return std::nullopt;
    std::uint8_t bytes[2] = {};
    if (std::fread(bytes, 1, 2, file.get()) != 2)
        return kDefaultPortId;
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

bool WriteDefaultPortId(const std::string& path, std::uint16_t portId)
{
    File file = Open(path, "wb");
    if (!file)
        return false;
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(portId & 0xFF), static_cast<std::uint8_t>(portId >> 8)};
    return std::fwrite(bytes, 1, 2, file.get()) == 2;
}

std::optional<std::vector<std::string>> PagerPortEntries(const std::string& path)
{
    const std::optional<std::vector<std::uint8_t>> bytes = ReadAll(path);
    if (!bytes)
        return std::nullopt;
    const PortFileContent content = ParsePortFile(*bytes);
    // The header's count bounds the entries here, but never past the records the file holds.
    std::vector<std::string> entries;
    for (std::size_t i = 0; i < content.header.recordCount && i < content.records.size(); ++i) {
        const PortRecord& record = content.records[i];
        entries.push_back(
            FieldText(record.portName, kPortNameSize) + " - " + FieldText(record.description, kDescriptionSize));
    }
    return entries;
}

std::string PathIn(const std::string& directory, const char* name)
{
    return directory + "\\" + name;
}

}  // namespace port_file
