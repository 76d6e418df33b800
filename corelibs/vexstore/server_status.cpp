// Encoding of the instance's published status.
#include "server_status.h"

#include <algorithm>

#include "byte_order.h"

std::vector<std::uint8_t> EncodeServerStatus(const ServerStatus& s)
{
    std::vector<std::uint8_t> payload(kServerStatusPayload);
    std::uint8_t* p = payload.data();
    PutU32(p, s.stateWord);
    for (int i = 0; i < 4; ++i)
        PutU32(p + 4 + 4 * i, s.versions[i]);
    PutU64(p + 20, s.lastScanTime);
    PutU64(p + 28, s.heartbeat);
    PutU32(p + 36, s.configSerial);
    for (std::size_t i = 0; i < kTableCount; ++i) {
        PutU32(p + 40 + 4 * i, s.tableSerials[i]);
        PutU32(p + 52 + 4 * i, s.tableCounts[i]);
    }
    PutU32(p + 64, s.jobsRun);
    const ScanStatisticsRecord record = EncodeScanStatistics(s.statistics);
    std::copy(record.begin(), record.end(), p + 68);
    return payload;
}

std::optional<ServerStatus> DecodeServerStatus(const std::vector<std::uint8_t>& payload)
{
    if (payload.size() != kServerStatusPayload)
        return std::nullopt;
    const std::uint8_t* p = payload.data();
    ServerStatus s;
    s.stateWord = GetU32(p);
    for (int i = 0; i < 4; ++i)
        s.versions[i] = GetU32(p + 4 + 4 * i);
    s.lastScanTime = GetU64(p + 20);
    s.heartbeat = GetU64(p + 28);
    s.configSerial = GetU32(p + 36);
    for (std::size_t i = 0; i < kTableCount; ++i) {
        s.tableSerials[i] = GetU32(p + 40 + 4 * i);
        s.tableCounts[i] = GetU32(p + 52 + 4 * i);
    }
    s.jobsRun = GetU32(p + 64);
    ScanStatisticsRecord record;
    std::copy(p + 68, p + 68 + kScanStatisticsSize, record.begin());
    if (GetU32(record.data()) != kScanStatisticsSize)
        return std::nullopt;
    s.statistics = DecodeScanStatistics(record);
    return s;
}

std::uint32_t LiveStateWord(const ServerStatus& status, std::uint64_t now, std::uint32_t timeoutSeconds)
{
    const std::uint32_t silence = timeoutSeconds < kMinimumSilenceSeconds ? kMinimumSilenceSeconds : timeoutSeconds;
    // A clock set back must not make a live instance look dead either.
    if (now > status.heartbeat && now - status.heartbeat > silence)
        return 0;
    return status.stateWord;
}
