// The user-defined service controls with which DRUMEL asks a running instance to take up
// what it has saved, or to start a job.
#pragma once

#include <cstdint>

inline constexpr std::uint32_t kControlReloadConfig = 128;
// 128 + table number: 129 NT domains, 130 IP nets, 132 IP masks.
inline constexpr std::uint32_t kControlReloadTableBase = 128;
inline constexpr std::uint32_t kControlRunJob = 160;
