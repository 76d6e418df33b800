// Field-by-field encoding of the scanning statistics record.
#include "scan_statistics.h"

#include <cstring>

#include "byte_order.h"

namespace {

struct TextField {
    std::size_t offset;
    std::size_t size;
};

constexpr TextField kTargetName {56, 64};
constexpr TextField kTargetFolder {120, 260};
constexpr TextField kCurrentFile {380, 260};
constexpr TextField kLastVirus {640, 64};
constexpr TextField kLastInfected {704, 260};
static_assert(kLastInfected.offset + kLastInfected.size <= kScanStatisticsSize);

void PutText(ScanStatisticsRecord& record, TextField field, const std::string& text)
{
    const std::size_t length = text.size() < field.size ? text.size() : field.size - 1;
    std::memcpy(&record[field.offset], text.data(), length);
}

std::string GetText(const ScanStatisticsRecord& record, TextField field)
{
    const char* start = reinterpret_cast<const char*>(&record[field.offset]);
    return std::string(start, strnlen(start, field.size - 1));
}

}  // namespace

ScanStatisticsRecord EncodeScanStatistics(const ScanStatistics& s)
{
    ScanStatisticsRecord record {};
    PutU32(&record[0], kScanStatisticsSize);
    PutU32(&record[4], s.progress);
    PutU32(&record[8], s.jobState);
    const std::uint32_t counts[6] = {
        s.foldersScanned, s.filesScanned, s.filesInfected, s.virusesFound, s.filesNotScanned, s.filesToScan};
    for (int i = 0; i < 6; ++i)
        PutU32(&record[16 + 4 * i], counts[i]);
    PutU64(&record[40], s.startTime);
    PutU64(&record[48], s.endTime);
    PutText(record, kTargetName, s.targetName);
    PutText(record, kTargetFolder, s.targetFolder);
    PutText(record, kCurrentFile, s.currentFile);
    PutText(record, kLastVirus, s.lastVirus);
    PutText(record, kLastInfected, s.lastInfectedFile);
    return record;
}

ScanStatistics DecodeScanStatistics(const ScanStatisticsRecord& record)
{
    ScanStatistics s;
    s.progress = GetU32(&record[4]);
    s.jobState = GetU32(&record[8]);
    std::uint32_t* counts[6] = {
        &s.foldersScanned, &s.filesScanned, &s.filesInfected, &s.virusesFound, &s.filesNotScanned, &s.filesToScan};
    for (int i = 0; i < 6; ++i)
        *counts[i] = GetU32(&record[16 + 4 * i]);
    s.startTime = GetU64(&record[40]);
    s.endTime = GetU64(&record[48]);
    s.targetName = GetText(record, kTargetName);
    s.targetFolder = GetText(record, kTargetFolder);
    s.currentFile = GetText(record, kCurrentFile);
    s.lastVirus = GetText(record, kLastVirus);
    s.lastInfectedFile = GetText(record, kLastInfected);
    return s;
}
