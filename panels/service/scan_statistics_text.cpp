// Scanning statistics texts: target, status and counts.
#include "scan_statistics_text.h"

#include <cstdio>
#include <vector>

std::string StatisticsTargetText(const ScanStatistics& statistics)
{
    const bool notes = statistics.targetName == kLotusNotesTarget;
    std::vector<char> text(64 + 2 + statistics.targetFolder.size() + 1);
    if (notes)
        std::snprintf(text.data(), text.size(), "%.64s", statistics.targetName.c_str());
    else
        std::snprintf(
            text.data(), text.size(), "%.64s, %s", statistics.targetName.c_str(), statistics.targetFolder.c_str());
    return text.data();
}

const std::string& StatisticsStatusText(
    const ScanStatistics& statistics, const std::string& scanning, const std::string& done)
{
    return statistics.progress >= kProgressDone ? done : scanning;
}

std::string StatisticsCountText(unsigned long count)
{
    char text[24];
    std::snprintf(text, sizeof text, "%lu", count);
    return text;
}
