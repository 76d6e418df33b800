// PORT.CFG and PORTDEF.CFG: the serial port settings of the Alert home, read and written byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace port_file {

constexpr std::size_t kBlockSize = 512;
constexpr std::size_t kPortNameSize = 256;
constexpr std::size_t kDescriptionSize = 236;
// What the editor lets a person type into the description.
constexpr std::size_t kDescriptionLimit = 127;
constexpr std::uint16_t kDefaultPortId = 1;

}  // namespace port_file

// Both blocks are little-endian with no padding: the Alert Service reads the same bytes.
#pragma pack(push, 1)

struct PortFileHeader {
    std::uint16_t recordCount;
    std::uint16_t nextPortId;
    std::uint8_t reserved[508];
};

struct PortRecord {
    std::uint16_t portId;
    std::uint16_t portNumber;  // 1 = COM1 ... 4 = COM4
    char portName[port_file::kPortNameSize];
    std::int32_t baudIndex;
    std::int32_t dataBitsIndex;
    std::int32_t parityIndex;
    std::int32_t stopBitsIndex;
    char description[port_file::kDescriptionSize];
};

#pragma pack(pop)

static_assert(sizeof(PortFileHeader) == 512);
static_assert(offsetof(PortFileHeader, recordCount) == 0);
static_assert(offsetof(PortFileHeader, nextPortId) == 2);
static_assert(offsetof(PortFileHeader, reserved) == 4);
static_assert(sizeof(PortRecord) == 512);
static_assert(offsetof(PortRecord, portId) == 0);
static_assert(offsetof(PortRecord, portNumber) == 2);
static_assert(offsetof(PortRecord, portName) == 4);
static_assert(offsetof(PortRecord, baudIndex) == 260);
static_assert(offsetof(PortRecord, dataBitsIndex) == 264);
static_assert(offsetof(PortRecord, parityIndex) == 268);
static_assert(offsetof(PortRecord, stopBitsIndex) == 272);
static_assert(offsetof(PortRecord, description) == 276);

namespace port_file {

// The drop-down lists of the editor, in the order whose positions the records store.
extern const std::vector<std::string> kPortNames;
extern const std::vector<std::string> kBaudTexts;
extern const std::vector<std::string> kDataBitsTexts;
extern const std::vector<std::string> kParityTexts;
extern const std::vector<std::string> kStopBitsTexts;

// A stored index above a list's top shows the list's last text; a negative one, which this
// program never writes, its first rather than anything before the list.
const std::string& TextAt(const std::vector<std::string>& texts, std::int32_t index);

PortFileHeader DefaultHeader();
PortRecord DefaultRecord();
// "COM1" ... "COM4" for 1 ... 4; empty for any other number.
std::string PortNameFor(int portNumber);
// A text field as stored: up to its first NUL, or the whole field when it has none.
std::string FieldText(const char* field, std::size_t size);
// Writes `text` into the field, cut to `limit` characters, the rest of the field zeroed.
void SetFieldText(char* field, std::size_t size, const std::string& text, std::size_t limit);

// The list line: ID, port, baud, parity, data bits, stop bits and description, TAB-separated.
std::string DisplayLine(const PortRecord& record);

struct PortFileContent {
    PortFileHeader header;
    std::vector<PortRecord> records;
};

// The records of a file's bytes: every whole 512-byte block after the header, whatever the
// header's count says; a partial last block is dropped. A short header gives a zeroed header
// and no records.
PortFileContent ParsePortFile(const std::vector<std::uint8_t>& bytes);
// The content of a missing file: the default header and the default record.
PortFileContent DefaultContent();
// The file's bytes for `records`: the header with their count and the kept next ID, then the
// records in order; no records at all make the default content.
std::vector<std::uint8_t> PortFileBytes(const PortFileHeader& header, const std::vector<PortRecord>& records);

// Whole files. A missing PORT.CFG reads as the default content.
PortFileContent LoadPortFile(const std::string& path);
// Writes the header and, when it went out whole, the records; false when the file could not
// be created or a block was cut short.
bool SavePortFile(const std::string& path, const PortFileHeader& header, const std::vector<PortRecord>& records);

// PORTDEF.CFG's port ID; none when the file cannot be opened. A file shorter than its two bytes
// names the default setting.
std::optional<std::uint16_t> ReadDefaultPortId(const std::string& path);
bool WriteDefaultPortId(const std::string& path, std::uint16_t portId);

// The pager editor's "Port:" entries, "<port name> - <description>", one per record the header
// counts that the file really holds; none when the file cannot be opened.
std::optional<std::vector<std::string>> PagerPortEntries(const std::string& path);

// directory + "\" + name, as the Alert home's files are named.
std::string PathIn(const std::string& directory, const char* name);

}  // namespace port_file
