// The settings records the service core exchanges with the configuration sheets, byte for byte.
#pragma once

#include <windows.h>

#include <cstddef>

// The service configuration record (12 bytes).
struct ServiceConfigRecord {
    DWORD holdDays;  // completed job hold time, days
    DWORD serverTimeoutSeconds;  // active server time-out, seconds
    DWORD startup;  // 1 automatic, 0 manual
};

// The activity log and the scan log configuration records (12 bytes each, the same layout).
struct LogConfigRecord {
    DWORD maxMessages;  // number of messages kept
    DWORD purgeDays;  // records older than this many days are purged
    DWORD filterBits;  // 1 critical, 2 warning, 4 informational
};

// The broadcast record (32 bytes); the last 20 bytes are the service's and go back as read.
struct BroadcastRecord {
    DWORD protocols;  // 1 mailslots, 2 TCP/IP
    DWORD heartbeatSeconds;  // heartbeat update interval
    DWORD discoverHours;  // auto discover interval
    BYTE kept[20];
};

static_assert(sizeof(ServiceConfigRecord) == 12, "the service record is 12 bytes");
static_assert(offsetof(ServiceConfigRecord, holdDays) == 0, "hold time at 0");
static_assert(offsetof(ServiceConfigRecord, serverTimeoutSeconds) == 4, "time-out at 4");
static_assert(offsetof(ServiceConfigRecord, startup) == 8, "startup at 8");
static_assert(sizeof(LogConfigRecord) == 12, "a log record is 12 bytes");
static_assert(offsetof(LogConfigRecord, maxMessages) == 0, "messages kept at 0");
static_assert(offsetof(LogConfigRecord, purgeDays) == 4, "purge days at 4");
static_assert(offsetof(LogConfigRecord, filterBits) == 8, "filter bits at 8");
static_assert(sizeof(BroadcastRecord) == 32, "the broadcast record is 32 bytes");
static_assert(offsetof(BroadcastRecord, protocols) == 0, "protocol bits at 0");
static_assert(offsetof(BroadcastRecord, heartbeatSeconds) == 4, "heartbeat at 4");
static_assert(offsetof(BroadcastRecord, discoverHours) == 8, "discover interval at 8");
static_assert(offsetof(BroadcastRecord, kept) == 12, "the kept bytes at 12");

namespace ConfigBits {
constexpr DWORD kCritical = 1;
constexpr DWORD kWarning = 2;
constexpr DWORD kInformational = 4;
constexpr DWORD kMailslots = 1;
constexpr DWORD kTcpIp = 2;
}  // namespace ConfigBits
