// The server state word the service publishes: service, job and real-time state in one number.
#pragma once

#include <cstdint>

// 0 means the service is inactive (stopped, not installed or not answering).
inline constexpr std::uint32_t kStateRunning = 0x0001;
inline constexpr std::uint32_t kStatePaused = 0x0002;

inline constexpr std::uint32_t kJobMask = 0x0F00;  // 0: no jobs
inline constexpr std::uint32_t kJobScheduled = 0x0100;
inline constexpr std::uint32_t kJobPrescanning = 0x0200;
inline constexpr std::uint32_t kJobScanning = 0x0400;
inline constexpr std::uint32_t kJobDone = 0x0800;

inline constexpr std::uint32_t kRealTimeMask = 0xF000;  // 0: real-time scanning off
inline constexpr std::uint32_t kRealTimeActive = 0x1000;
inline constexpr std::uint32_t kRealTimeUnknown = 0x2000;  // the device answered something we cannot read

// A version as the panel prints it: major in the high 16 bits, minor in the low 16 bits.
constexpr std::uint32_t MakeVersion(std::uint32_t major, std::uint32_t minor)
{
    return (major << 16) | (minor & 0xFFFF);
}

// The engine's encoding ((major + 18) * 100 + minor) turned into a panel version; 0 stays 0.
constexpr std::uint32_t VersionFromEngine(std::uint32_t value)
{
    return value < 1800 ? 0 : MakeVersion(value / 100 - 18, value % 100);
}
