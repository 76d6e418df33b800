// PagerRecord: the 148-byte pager recipient exchanged with the alert core, and its delay texts.
#pragma once

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)

// The core's own bytes (core, coreMiddle, coreLast) are carried as received.
struct PagerRecord {
    std::uint8_t core[18];
    std::uint16_t portSetting;  // 1-based position in PORT.CFG; 0 = the default setting
    char pagerNumber[25];
    char pagerId[9];
    char siteId[5];
    char connectionDelay[13];  // a run of 0 to 7 commas
    char messageDelay[13];
    char ownerName[48];
    std::uint8_t coreMiddle[13];
    std::int8_t pagerType;  // 0 numeric, 1 alphanumeric
    std::uint8_t coreLast;
};

#pragma pack(pop)

static_assert(sizeof(PagerRecord) == 148);
static_assert(offsetof(PagerRecord, core) == 0);
static_assert(offsetof(PagerRecord, portSetting) == 18);
static_assert(offsetof(PagerRecord, pagerNumber) == 20);
static_assert(offsetof(PagerRecord, pagerId) == 45);
static_assert(offsetof(PagerRecord, siteId) == 54);
static_assert(offsetof(PagerRecord, connectionDelay) == 59);
static_assert(offsetof(PagerRecord, messageDelay) == 72);
static_assert(offsetof(PagerRecord, ownerName) == 85);
static_assert(offsetof(PagerRecord, coreMiddle) == 133);
static_assert(offsetof(PagerRecord, pagerType) == 146);
static_assert(offsetof(PagerRecord, coreLast) == 147);

namespace pager_record {

constexpr int kPagerNumberLimit = 24;
constexpr int kPagerIdLimit = 8;
constexpr int kSiteIdLimit = 4;
constexpr int kOwnerNameLimit = 47;
constexpr int kMaxDelaySteps = 7;
constexpr std::int8_t kNumeric = 0;
constexpr std::int8_t kAlphanumeric = 1;

// The steps a delay text stands for: its length, at most the control's top of 7.
int DelaySteps(const char (&delay)[13]);
// The delay text of `steps` steps (clamped to 0 ... 7): as many commas, then zeros.
void SetDelaySteps(char (&delay)[13], int steps);

}  // namespace pager_record
