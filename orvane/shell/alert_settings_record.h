// AlertSettingsRecord: the 8,205-byte record of the settings cache, whose first blocks cross to the alert core.
#pragma once

#include <windows.h>

#include <cstddef>

// The slot of each notification method in the flag, count and array-handle blocks. The core
// keeps further slots (2, 4 and 5 among them) whose meaning is its own; they are carried unchanged.
enum AlertMethodSlot : int {
    kBroadcastSlot = 0,
    kPagerSlot = 1,
    kEMailSlot = 3,
    kSnmpSlot = 6,
    kTicketSlot = 7,
    kEventLogSlot = 8,
};

constexpr std::size_t kSettingsBlockSize = 3944;
constexpr std::size_t kTicketHeaderSize = 232;
constexpr std::size_t kMailConfigSize = 460;
constexpr std::size_t kMailMessageSize = 2564;
constexpr std::size_t kSettingsTextSize = 49;
// The mail configuration record's password field: 48 characters and a NUL, of which the 48
// characters are scrambled before they reach the core.
constexpr std::size_t kMailPasswordOffset = 53;
constexpr std::size_t kMailPasswordSize = 48;
constexpr std::size_t kScrambleTableSize = 48;
constexpr std::size_t kApplicationFieldSize = 9;

// The core reads and writes these records byte for byte, so no padding may creep in. Every
// 16-bit and 32-bit field still falls on its natural boundary (checked below).
#pragma pack(push, 1)

struct AlertSettingsBlock {
    BYTE ticketHeader[kTicketHeaderSize];
    BYTE ticketSecond[kTicketHeaderSize];
    BYTE mailConfig[kMailConfigSize];
    BYTE carried[108];
    BYTE mailMessage[kMailMessageSize];
    char texts[4][kSettingsTextSize];  // the third is the pager text
    BYTE coreTail[152];
};

struct AlertSettingsRecord {
    WORD counts[48];
    HGLOBAL arrays[11];
    signed char flags[12];
    AlertSettingsBlock settings;
    char scrambleTable[kScrambleTableSize];
    signed char initialFlags[12];
    WORD initialCounts[48];
    AlertSettingsBlock initialSettings;
    char application[kApplicationFieldSize];
};

#pragma pack(pop)

static_assert(sizeof(HGLOBAL) == 4, "the array handle slots hold 32-bit handles");

static_assert(sizeof(AlertSettingsBlock) == kSettingsBlockSize);
static_assert(offsetof(AlertSettingsBlock, ticketHeader) == 0);
static_assert(offsetof(AlertSettingsBlock, ticketSecond) == 232);
static_assert(offsetof(AlertSettingsBlock, mailConfig) == 464);
static_assert(offsetof(AlertSettingsBlock, mailConfig) + kMailPasswordOffset == 517);
static_assert(offsetof(AlertSettingsBlock, carried) == 924);
static_assert(offsetof(AlertSettingsBlock, mailMessage) == 1032);
static_assert(offsetof(AlertSettingsBlock, texts) == 3596);
static_assert(offsetof(AlertSettingsBlock, texts) + 2 * kSettingsTextSize == 3694);
static_assert(offsetof(AlertSettingsBlock, coreTail) == 3792);

static_assert(sizeof(AlertSettingsRecord) == 8205);
static_assert(offsetof(AlertSettingsRecord, counts) == 0);
static_assert(sizeof(AlertSettingsRecord::counts) == 96);
static_assert(offsetof(AlertSettingsRecord, arrays) == 96);
static_assert(sizeof(AlertSettingsRecord::arrays) == 44);
static_assert(offsetof(AlertSettingsRecord, flags) == 140);
static_assert(offsetof(AlertSettingsRecord, settings) == 152);
static_assert(offsetof(AlertSettingsRecord, scrambleTable) == 4096);
static_assert(offsetof(AlertSettingsRecord, initialFlags) == 4144);
static_assert(offsetof(AlertSettingsRecord, initialCounts) == 4156);
static_assert(offsetof(AlertSettingsRecord, initialSettings) == 4252);
static_assert(offsetof(AlertSettingsRecord, application) == 8196);
static_assert(offsetof(AlertSettingsRecord, arrays) % 4 == 0 && offsetof(AlertSettingsRecord, initialCounts) % 2 == 0);

// Where each method's count word, array handle and flag byte sit in the record.
constexpr std::size_t CountOffset(AlertMethodSlot slot)
{
    return offsetof(AlertSettingsRecord, counts) + 2 * slot;
}
constexpr std::size_t ArrayOffset(AlertMethodSlot slot)
{
    return offsetof(AlertSettingsRecord, arrays) + 4 * slot;
}
constexpr std::size_t FlagOffset(AlertMethodSlot slot)
{
    return offsetof(AlertSettingsRecord, flags) + slot;
}

static_assert(CountOffset(kBroadcastSlot) == 0 && CountOffset(kPagerSlot) == 2 && CountOffset(kEMailSlot) == 6);
static_assert(CountOffset(kSnmpSlot) == 12 && CountOffset(kTicketSlot) == 14 && CountOffset(kEventLogSlot) == 16);
static_assert(ArrayOffset(kBroadcastSlot) == 96 && ArrayOffset(kPagerSlot) == 100 && ArrayOffset(kEMailSlot) == 108);
static_assert(ArrayOffset(kSnmpSlot) == 120 && ArrayOffset(kTicketSlot) == 124 && ArrayOffset(kEventLogSlot) == 128);
static_assert(FlagOffset(kBroadcastSlot) == 140 && FlagOffset(kPagerSlot) == 141 && FlagOffset(kEMailSlot) == 143);
static_assert(FlagOffset(kSnmpSlot) == 146 && FlagOffset(kTicketSlot) == 147 && FlagOffset(kEventLogSlot) == 148);

// Size of one recipient record in each method's array.
constexpr std::size_t RecipientRecordSize(AlertMethodSlot slot)
{
    switch (slot) {
    case kBroadcastSlot: return 52;
    case kPagerSlot: return 148;
    case kEMailSlot: return 56;
    case kSnmpSlot: return 68;
    case kTicketSlot: return 208;
    case kEventLogSlot: return 52;
    }
    return 0;
}
