// What a running instance publishes about itself in STATUS.VXS: state word, versions, last
// scan, what it has taken up of its settings, and the statistics of its current or last job.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "address_table.h"
#include "scan_statistics.h"

struct ServerStatus {
    std::uint32_t stateWord = 0;
    // Product, signature, engine and operating system versions (major << 16 | minor).
    std::array<std::uint32_t, 4> versions {};
    std::uint64_t lastScanTime = 0;  // end of the last finished job, seconds since 1970 UTC
    std::uint64_t heartbeat = 0;  // last time the instance wrote this file
    std::uint32_t configSerial = 0;  // serial of the CONFIG.VXS it runs with
    // Per table (NT domains, IP nets, IP masks): serial and entry count of the file it took up.
    std::array<std::uint32_t, kTableCount> tableSerials {};
    std::array<std::uint32_t, kTableCount> tableCounts {};
    std::uint32_t jobsRun = 0;
    ScanStatistics statistics;
};

// Payload: state word, 4 versions, last scan (8), heartbeat (8), config serial, 3 table
// serials, 3 table counts, jobs run, then the 1024-byte statistics record: 1092 bytes.
inline constexpr std::size_t kServerStatusPayload = 68 + kScanStatisticsSize;
inline constexpr char kStatusMagic[9] = "VXMSTAT1";

std::vector<std::uint8_t> EncodeServerStatus(const ServerStatus& status);
std::optional<ServerStatus> DecodeServerStatus(const std::vector<std::uint8_t>& payload);

// The state word a reader shows: 0 when the instance has not written for longer than the
// time-out (it does not answer), else what it wrote. A running instance writes at least every
// 30 s, so a time-out below kMinimumSilenceSeconds is taken as that: a smaller one would show
// every live server inactive between two writes.
std::uint32_t LiveStateWord(const ServerStatus& status, std::uint64_t now, std::uint32_t timeoutSeconds);
inline constexpr std::uint32_t kHeartbeatSeconds = 30;
inline constexpr std::uint32_t kMinimumSilenceSeconds = 3 * kHeartbeatSeconds;
