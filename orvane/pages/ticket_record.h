// PrintQueueRecord: the 208-byte trouble-ticket print queue exchanged with the alert core, and the
// header text at the start of the 232-byte print queue header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#pragma pack(push, 1)

struct PrintQueueRecord {
    char userName[49];
    char password[51];  // as entered
    char queuePath[108];  // "\\SERVER\PRINTER"
};

// The settings block's first 232 bytes; only the text is the program's, the rest is carried.
struct PrintQueueHeader {
    char text[70];
    std::uint8_t carried[162];
};

#pragma pack(pop)

static_assert(sizeof(PrintQueueRecord) == 208);
static_assert(offsetof(PrintQueueRecord, userName) == 0);
static_assert(offsetof(PrintQueueRecord, password) == 49);
static_assert(offsetof(PrintQueueRecord, queuePath) == 100);
static_assert(sizeof(PrintQueueHeader) == 232);
static_assert(offsetof(PrintQueueHeader, text) == 0);
static_assert(offsetof(PrintQueueHeader, carried) == 70);

namespace ticket_record {

constexpr std::size_t kUserNameLimit = 48;
constexpr std::size_t kPasswordLimit = 50;
constexpr std::size_t kQueuePathLimit = 107;
constexpr std::size_t kHeaderTextLimit = 69;
// Company and location, in the core's registry.
constexpr std::size_t kCompanyLimit = 127;

// One recipient queue as the page keeps it.
struct PrintQueue {
    std::string queuePath;
    std::string userName;
    std::string password;
};

// The three texts, each up to its terminator or the end of its field.
PrintQueue Read(const PrintQueueRecord& record);
// Whether every text fits its field with its terminator.
bool Fits(const PrintQueue& queue);
// Writes the three texts, zero-padded; a queue that does not fit is refused (false, record
// untouched): a cut path would name another printer, a cut password would never log on.
bool Write(PrintQueueRecord& record, const PrintQueue& queue);

std::string HeaderText(const PrintQueueHeader& header);
// Writes at most the first 69 characters and a terminator; the carried bytes stay.
void SetHeaderText(PrintQueueHeader& header, const std::string& text);

// The server of a queue path or remote name: the text after its last backslash ("Unknown"
// when there is none); for "\\GAMMA" that is "GAMMA".
std::string ServerOf(const std::string& remoteName);
// The queue path of a printer on a server's remote name: "\\GAMMA" and "LASER" give "\\GAMMA\LASER".
std::string QueuePath(const std::string& serverRemoteName, const std::string& printer);

}  // namespace ticket_record
