// BroadcastRecord: the 52-byte broadcast (and event-log) recipient exchanged with the alert core.
#pragma once

#include <cstddef>
#include <string>

#pragma pack(push, 1)

// A machine is stored as "\\NAME", a domain as "NAME*".
struct BroadcastRecord {
    char name[52];
};

#pragma pack(pop)

static_assert(sizeof(BroadcastRecord) == 52);
static_assert(offsetof(BroadcastRecord, name) == 0);

// The event-log recipients are the same records.
using EventLogRecord = BroadcastRecord;

namespace broadcast_record {

// The stored name with its terminator must fit the 52 bytes.
constexpr std::size_t kStoredNameLimit = 51;

// A machine name begins with two backslashes; anything else names a domain.
bool IsMachineName(const std::string& name);

// The stored text, up to the terminator or the end of the field.
std::string StoredName(const BroadcastRecord& record);
// The name as the lists show it: a machine unchanged, a domain without its trailing "*". A
// domain stored without the "*" keeps every character, so saving it back does not shorten it.
std::string DisplayName(const BroadcastRecord& record);
// The stored text of a shown name: a domain gets its "*".
std::string StoredNameOf(const std::string& displayName);
// Whether the shown name's stored text fits the record.
bool Fits(const std::string& displayName);
// Writes the shown name's stored text, zero-padded. A name that does not fit is refused
// (false, record untouched) rather than cut into another machine's name.
bool Write(BroadcastRecord& record, const std::string& displayName);

}  // namespace broadcast_record
