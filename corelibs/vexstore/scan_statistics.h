// The 1024-byte scanning statistics record of one server's job, as the statistics dialog reads it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

inline constexpr std::size_t kScanStatisticsSize = 1024;
inline constexpr std::uint32_t kProgressDone = 100;

// Layout, little-endian, unused bytes zero:
//   0    4   record size (1024)
//   4    4   progress: 0-99 while the job runs, 100 once it is done
//   8    4   job state bits (0x100 scheduled, 0x200 prescanning, 0x400 scanning, 0x800 done)
//   12   4   zero
//   16   24  six counts: folders scanned, files scanned, files infected, viruses found,
//            files not scanned, files to scan (from the prescan)
//   40   8   job start, seconds since 1970 UTC
//   48   8   job end (0 while it runs)
//   56   64  target name (the server's name), zero-terminated
//   120  260 target folder
//   380  260 file being scanned (the last one once the job is done)
//   640  64  name of the last virus found
//   704  260 path of the last infected file
struct ScanStatistics {
    std::uint32_t progress = 0;
    std::uint32_t jobState = 0;
    std::uint32_t foldersScanned = 0;
    std::uint32_t filesScanned = 0;
    std::uint32_t filesInfected = 0;
    std::uint32_t virusesFound = 0;
    std::uint32_t filesNotScanned = 0;
    std::uint32_t filesToScan = 0;
    std::uint64_t startTime = 0;
    std::uint64_t endTime = 0;
    std::string targetName;
    std::string targetFolder;
    std::string currentFile;
    std::string lastVirus;
    std::string lastInfectedFile;
};

using ScanStatisticsRecord = std::array<std::uint8_t, kScanStatisticsSize>;

// Texts longer than their field are cut so that the terminating zero always fits.
ScanStatisticsRecord EncodeScanStatistics(const ScanStatistics& statistics);
ScanStatistics DecodeScanStatistics(const ScanStatisticsRecord& record);
