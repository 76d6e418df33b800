// ScanCounters: what one scan run counted, read by the results dialog and the scan record.
#pragma once

#include <cstdint>

struct ScanCounters {
    std::uint32_t directoriesScanned = 0;
    std::uint32_t filesScanned = 0;
    std::uint32_t virusesFound = 0;
    std::uint32_t filesInfected = 0;
    std::uint32_t filesCured = 0;
    std::uint32_t filesDeleted = 0;
    std::uint32_t filesPurged = 0;
    std::uint32_t filesMoved = 0;
    std::uint32_t filesRenamed = 0;
    std::uint32_t filesRenamedAndMoved = 0;
    std::uint32_t bootSectorsScanned = 0;
    std::uint32_t bootSectorInfections = 0;
    std::uint32_t bootSectorsCured = 0;
    std::uint32_t bootSectorsNeutralized = 0;
    std::uint32_t containerFilesScanned = 0;
    std::uint32_t containerInfections = 0;
    // Files and members the engine could not scan: never counted as clean.
    std::uint32_t notScanned = 0;
};
