// The e-mail page's records: the 56-byte recipient, the 460-byte mail record and the 2,564-byte attachment record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#pragma pack(push, 1)

struct EMailRecipientRecord {
    char name[52];  // the display name as the address book gave it
    std::int32_t recipientClass;  // 1 To, 2 CC
};

// Held in the settings block at offset 464; the password travels to the core scrambled.
struct MailRecord {
    std::int32_t returnReceipt;  // 0 or 1
    char mailbox[49];
    char password[49];
    char subject[256];
    std::uint8_t core[102];  // the core's, carried unchanged
};

// Held in the settings block at offset 1032.
struct MailAttachments {
    std::uint32_t count;  // 0 to 10; only the low 16 bits count when listing
    char paths[10][256];
};

#pragma pack(pop)

static_assert(sizeof(EMailRecipientRecord) == 56);
static_assert(offsetof(EMailRecipientRecord, name) == 0);
static_assert(offsetof(EMailRecipientRecord, recipientClass) == 52);

static_assert(sizeof(MailRecord) == 460);
static_assert(offsetof(MailRecord, returnReceipt) == 0);
static_assert(offsetof(MailRecord, mailbox) == 4);
static_assert(offsetof(MailRecord, password) == 53);
static_assert(offsetof(MailRecord, subject) == 102);
static_assert(offsetof(MailRecord, core) == 358);

static_assert(sizeof(MailAttachments) == 2564);
static_assert(offsetof(MailAttachments, count) == 0);
static_assert(offsetof(MailAttachments, paths) == 4);
static_assert(sizeof(MailAttachments::paths[0]) == 256);

namespace mail_record {

constexpr std::int32_t kTo = 1;
constexpr std::int32_t kCc = 2;
constexpr int kMaxAttachments = 10;
// Each text keeps its terminator: a longer one is refused, never cut, since a cut name or path
// would name another mailbox or file.
constexpr std::size_t kNameLimit = sizeof(EMailRecipientRecord::name) - 1;
constexpr std::size_t kMailboxLimit = sizeof(MailRecord::mailbox) - 1;
constexpr std::size_t kPasswordLimit = sizeof(MailRecord::password) - 1;
constexpr std::size_t kSubjectLimit = sizeof(MailRecord::subject) - 1;
constexpr std::size_t kPathLimit = sizeof(MailAttachments::paths[0]) - 1;

// A field as the core left it: a text without its terminator ends at the field's end.
template <std::size_t N> std::string Text(const char (&field)[N])
{
    std::size_t length = 0;
    while (length < N && field[length] != '\0')
        ++length;
    return std::string(field, length);
}

// Writes the whole field, so that no tail of a longer earlier text stays behind; false, and the
// field untouched, when the text does not fit with its terminator.
template <std::size_t N> bool SetText(char (&field)[N], const std::string& text)
{
    if (text.size() >= N)
        return false;
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size());
    return true;
}

// The number of attachment paths a record lists: its low 16 bits, at most the record's ten slots.
inline int AttachmentCount(const MailAttachments& attachments)
{
    const int count = static_cast<int>(attachments.count & 0xFFFF);
    return count < kMaxAttachments ? count : kMaxAttachments;
}

}  // namespace mail_record
