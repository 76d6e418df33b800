// The settings of one server's antivirus service: three 12-byte records, the broadcast record
// and the job schedule, kept together in CONFIG.VXS.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr std::size_t kConfigRecordSize = 12;
inline constexpr std::size_t kBroadcastRecordSize = 32;

// Service configuration: hold days, active server time-out in seconds, startup (1 automatic).
struct ServiceConfig {
    std::uint32_t holdDays = 7;
    std::uint32_t activeTimeoutSeconds = 600;
    std::uint32_t automaticStartup = 0;  // instances are installed for demand start
};

// Activity log and scan log: messages kept, purge age in days (0 keeps all), filter bits.
struct LogConfig {
    std::uint32_t maxMessages = 500;
    std::uint32_t purgeDays = 30;
    std::uint32_t filterBits = 7;
};

inline constexpr std::uint32_t kLogCritical = 1;
inline constexpr std::uint32_t kLogWarning = 2;
inline constexpr std::uint32_t kLogInformational = 4;

using ConfigRecord = std::array<std::uint8_t, kConfigRecordSize>;
using BroadcastRecord = std::array<std::uint8_t, kBroadcastRecordSize>;

ConfigRecord EncodeServiceConfig(const ServiceConfig& config);
ServiceConfig DecodeServiceConfig(const ConfigRecord& record);
ConfigRecord EncodeLogConfig(const LogConfig& config);
LogConfig DecodeLogConfig(const ConfigRecord& record);

// Broadcast record: protocol bits (1 mailslots, 2 TCP/IP), heartbeat seconds, discover hours,
// then 20 bytes that are kept as the last set gave them.
BroadcastRecord DefaultBroadcast();

// Which record a get or set names.
enum class ConfigKind { Service, ActivityLog, ScanLog };

struct ServerConfig {
    ConfigRecord service = EncodeServiceConfig(ServiceConfig {});
    ConfigRecord activityLog = EncodeLogConfig(LogConfig {});
    ConfigRecord scanLog = EncodeLogConfig(LogConfig {200, 30, 7});
    BroadcastRecord broadcast = DefaultBroadcast();
    // Minutes between the scheduled scans of the data folder; 0 scans once after each start.
    std::uint32_t scanIntervalMinutes = 60;

    ConfigRecord& Record(ConfigKind kind);
    const ConfigRecord& Record(ConfigKind kind) const;
};

// Payload of CONFIG.VXS: the three records, the broadcast record, the interval (72 bytes).
inline constexpr std::size_t kServerConfigPayload = 3 * kConfigRecordSize + kBroadcastRecordSize + 4;
inline constexpr char kConfigMagic[9] = "VXMCONF1";

std::vector<std::uint8_t> EncodeServerConfig(const ServerConfig& config);
// Nothing unless the payload has exactly the expected size.
std::optional<ServerConfig> DecodeServerConfig(const std::vector<std::uint8_t>& payload);
