// The six notification methods: their slots in the flag and count blocks and their record sizes.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

enum class NotifyMethod { Broadcast, Pager, EMail, Snmp, TroubleTicket, EventLog };

struct NotifyMethodInfo {
    NotifyMethod method;
    std::size_t slot;  // flag byte and count word index in the blocks
    std::size_t recordSize;  // bytes of one recipient record
    int freeKind;  // the kind number of AlertFreeCheckEverySetting
    const char* name;  // as the activity log names it
};

inline constexpr std::array<NotifyMethodInfo, 6> kNotifyMethods = {{
    {NotifyMethod::Broadcast, 0, 52, 1, "broadcast"},
    {NotifyMethod::Pager, 1, 148, 3, "pager"},
    {NotifyMethod::EMail, 3, 56, 2, "e-mail"},
    {NotifyMethod::Snmp, 6, 68, 7, "SNMP"},
    {NotifyMethod::TroubleTicket, 7, 208, 8, "trouble ticket"},
    {NotifyMethod::EventLog, 8, 52, 9, "event log"},
}};

inline constexpr std::size_t kFlagBlockSize = 12;
inline constexpr std::size_t kCountBlockSize = 96;
inline constexpr std::size_t kSettingsBlockSize = 3944;
inline constexpr std::size_t kMaxRecipients = 65535;

inline const NotifyMethodInfo& InfoOf(NotifyMethod method)
{
    return kNotifyMethods[static_cast<std::size_t>(method)];
}
