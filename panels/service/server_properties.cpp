// Server properties: each line's value from the server object's state, versions and last job.
#include "server_properties.h"

#include <cstring>

#include "module.h"
#include "scan_statistics.h"
#include "service_tree_ids.h"

namespace {

bool ToSystemTime(DWORD seconds, SYSTEMTIME& local)
{
    if (seconds == 0)
        return false;
    // Seconds since 1970 in 100 ns steps since 1601.
    ULARGE_INTEGER ticks;
    ticks.QuadPart = (static_cast<ULONGLONG>(seconds) + 11644473600ULL) * 10000000ULL;
    FILETIME utc = {ticks.LowPart, ticks.HighPart};
    FILETIME mine = {};
    return FileTimeToLocalFileTime(&utc, &mine) && FileTimeToSystemTime(&mine, &local);
}

// The line with its "%s" replaced by the value; a heading line is kept as it is.
std::string Fill(const std::string& line, const std::string& value)
{
    const std::size_t at = line.find("%s");
    if (at == std::string::npos)
        return line;
    return line.substr(0, at) + value + line.substr(at + 2);
}

struct LastJob {
    bool read = false;
    ScanStatistics statistics;
};

LastJob ReadLastJob(CVexomarServer& object)
{
    ScanStatisticsRecord record = {};
    LastJob job;
    if (object.ReadScanStatistics(record.data(), static_cast<DWORD>(record.size())) == 0) {
        job.read = true;
        job.statistics = DecodeScanStatistics(record);
    }
    return job;
}

}  // namespace

std::string LastScanDate(DWORD seconds)
{
    SYSTEMTIME local = {};
    char text[64];
    if (!ToSystemTime(seconds, local) ||
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, text, sizeof text) == 0)
        return "00-00-00";
    return text;
}

std::string LastScanTime(DWORD seconds)
{
    SYSTEMTIME local = {};
    char text[64];
    if (!ToSystemTime(seconds, local) ||
        GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &local, nullptr, text, sizeof text) == 0)
        return "00:00";
    return text;
}

std::vector<std::string> ServerPropertyRows(const ServerNode& server, const ServerStateTexts& texts)
{
    CVexomarServer& object = *server.object;
    DWORD stateWord = 0;
    if (object.QueryStateWord(&stateWord) != 0)
        stateWord = 0;
    DWORD versions[4] = {};
    if (object.QueryVersions(versions) != 0)
        std::memset(versions, 0, sizeof versions);
    DWORD lastScan = 0;
    if (object.QueryLastScan(&lastScan) != 0)
        lastScan = 0;
    const LastJob job = ReadLastJob(object);
    const char* domain = object.DomainName();
    const char* folder = object.DataFolder();
    const std::string counts = job.read ? std::to_string(job.statistics.filesScanned) : texts.notAvailable;
    const std::string infected = job.read ? std::to_string(job.statistics.filesInfected) : texts.notAvailable;

    const std::string values[] = {
        "",  // 4100 heading
        server.name,
        domain ? domain : "",
        ServiceText(texts, stateWord),
        VersionText(versions[0]),
        VersionText(versions[1]),
        VersionText(versions[2]),
        "NT " + VersionText(versions[3]),
        folder ? folder : "",
        "",  // 4110 heading
        JobText(texts, stateWord),
        LastScanDate(lastScan),
        LastScanTime(lastScan),
        counts,
        infected,
        "",  // 4116 heading
        RealTimeText(texts, stateWord),
    };
    std::vector<std::string> rows;
    std::size_t index = 0;
    for (UINT id = IDS_PROPERTY_FIRST; id <= IDS_PROPERTY_LAST; ++id) {
        if (id == IDS_PROPERTY_SKIPPED)
            continue;
        const std::string line = LoadResString(id);
        if (!line.empty())
            rows.push_back(Fill(line, values[index]));
        ++index;
    }
    return rows;
}
