// Field-by-field encoding of the service's settings records.
#include "server_config.h"

#include <algorithm>

#include "byte_order.h"

namespace {

ConfigRecord Three(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    ConfigRecord record {};
    PutU32(&record[0], a);
    PutU32(&record[4], b);
    PutU32(&record[8], c);
    return record;
}

}  // namespace

ConfigRecord EncodeServiceConfig(const ServiceConfig& config)
{
    return Three(config.holdDays, config.activeTimeoutSeconds, config.automaticStartup);
}

ServiceConfig DecodeServiceConfig(const ConfigRecord& record)
{
    return {GetU32(&record[0]), GetU32(&record[4]), GetU32(&record[8])};
}

ConfigRecord EncodeLogConfig(const LogConfig& config)
{
    return Three(config.maxMessages, config.purgeDays, config.filterBits);
}

LogConfig DecodeLogConfig(const ConfigRecord& record)
{
    return {GetU32(&record[0]), GetU32(&record[4]), GetU32(&record[8])};
}

BroadcastRecord DefaultBroadcast()
{
    BroadcastRecord record {};
    PutU32(&record[0], 3);
    PutU32(&record[4], 300);
    PutU32(&record[8], 24);
    return record;
}

ConfigRecord& ServerConfig::Record(ConfigKind kind)
{
    return kind == ConfigKind::Service ? service : kind == ConfigKind::ActivityLog ? activityLog : scanLog;
}

const ConfigRecord& ServerConfig::Record(ConfigKind kind) const
{
    return const_cast<ServerConfig*>(this)->Record(kind);
}

std::vector<std::uint8_t> EncodeServerConfig(const ServerConfig& config)
{
    std::vector<std::uint8_t> payload;
    payload.reserve(kServerConfigPayload);
    for (const ConfigRecord* record : {&config.service, &config.activityLog, &config.scanLog})
        payload.insert(payload.end(), record->begin(), record->end());
    payload.insert(payload.end(), config.broadcast.begin(), config.broadcast.end());
    std::uint8_t interval[4];
    PutU32(interval, config.scanIntervalMinutes);
    payload.insert(payload.end(), interval, interval + 4);
    return payload;
}

std::optional<ServerConfig> DecodeServerConfig(const std::vector<std::uint8_t>& payload)
{
    if (payload.size() != kServerConfigPayload)
        return std::nullopt;
    ServerConfig config;
    const std::uint8_t* p = payload.data();
    for (ConfigRecord* record : {&config.service, &config.activityLog, &config.scanLog}) {
        std::copy(p, p + kConfigRecordSize, record->begin());
        p += kConfigRecordSize;
    }
    std::copy(p, p + kBroadcastRecordSize, config.broadcast.begin());
    p += kBroadcastRecordSize;
    config.scanIntervalMinutes = GetU32(p);
    return config;
}
