// The scanning statistics dialog's texts, made from the 1024-byte record of a server's job.
#pragma once

#include <string>

#include "scan_statistics.h"

// The mail-database scan names no folder: its target is shown by name alone.
inline constexpr const char* kLotusNotesTarget = "Lotus Notes";

// "%.64s, %s" of the target name and folder, or "%.64s" for "Lotus Notes".
std::string StatisticsTargetText(const ScanStatistics& statistics);
// `scanning` below a progress of 100, `done` from 100 on.
const std::string& StatisticsStatusText(
    const ScanStatistics& statistics, const std::string& scanning, const std::string& done);
// "%lu" of a count.
std::string StatisticsCountText(unsigned long count);
