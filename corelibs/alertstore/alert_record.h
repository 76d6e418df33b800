// One alert's 256-byte record slot of ALRECORD.TBL.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

inline constexpr std::size_t kSlotSize = 256;
using Slot = std::array<std::uint8_t, kSlotSize>;

struct AlertRecord {
    std::string eventFile;  // 8.3 name inside the event-log directory
    std::string description;
    std::string application;
    std::int8_t priority = 0;  // 0 or 1 critical, 2 warning, 3 informational
    std::int32_t time = 0;  // seconds since 1970 UTC

    // Texts longer than their fields are cut so that each stays NUL-terminated.
    Slot Encode() const;
    // Nothing for a free slot (any tag other than "ALERT" and its NUL).
    static std::optional<AlertRecord> Decode(const Slot& slot);
};

bool SlotHoldsRecord(const Slot& slot);

// "Critical", "Warning", "Informational" or "Unknown".
const char* PriorityName(int priority);
