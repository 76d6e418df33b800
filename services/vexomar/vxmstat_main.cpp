// VXMSTAT.EXE [NAME|DOMAIN|*]: prints each server's state word, versions and the statistics of
// its current or last scan job, as DRUMEL.DLL and the instance's published status give them.
#include <windows.h>

#include <cstdio>
#include <string>

#include "drumel.h"
#include "server_store.h"
#include "service_log.h"
#include "state_word.h"

namespace {

const char* JobText(DWORD word)
{
    if (!word)
        return "NA";
    switch (word & kJobMask) {
    case 0: return "No Jobs";
    case kJobScheduled: return "Scheduled";
    case kJobPrescanning: return "PreScanning";
    case kJobScanning: return "Scanning";
    default: return "Done";
    }
}

const char* RealTimeText(DWORD word)
{
    if (!word)
        return "NA";
    switch (word & kRealTimeMask) {
    case 0: return "InActive";
    case kRealTimeActive: return "Active";
    default: return "Unknown";
    }
}

std::string Version(DWORD v)
{
    char text[32];
    std::snprintf(text, sizeof text, "v%u.%02u", unsigned(v >> 16), unsigned(v & 0xFFFF));
    return text;
}

int Print(const ServerPlace& place)
{
    DWORD word = 0, lastScan = 0, versions[4] = {};
    const DWORD error = VexomarGetServerState(place.name.c_str(), &word, versions, &lastScan);
    DWORD scm = 0;
    const DWORD scmError = VexomarGetServiceStatus(place.name.c_str(), &scm);
    std::printf("Server %s%s%s\n", place.name.c_str(), place.domain.empty() ? "" : " in domain ", place.domain.c_str());
    if (error) {
        std::printf("  state not available (error %lu)\n", static_cast<unsigned long>(error));
        return 1;
    }
    if (scmError)
        std::printf("  Service:     not installed (error %lu)\n", static_cast<unsigned long>(scmError));
    else
        std::printf("  Service:     %s (service control manager state %lu)\n", word ? "Active" : "Inactive",
            static_cast<unsigned long>(scm));
    std::printf("  State word:  0x%04lX\n", static_cast<unsigned long>(word));
    std::printf("  Real-time:   %s\n  Job Status:  %s\n", RealTimeText(word), JobText(word));
    std::printf("  Versions:    Vexomar %s, Virus Signature %s, Engine %s, OS NT %s\n", Version(versions[0]).c_str(),
        Version(versions[1]).c_str(), Version(versions[2]).c_str(), Version(versions[3]).c_str());
    std::printf("  Last scan:   %s\n", lastScan ? (FormatUtc(lastScan) + " UTC").c_str() : "none");
    ServerStatus status;
    if (ServerStore(place).ReadStatus(status) == 0) {
        const ScanStatistics& s = status.statistics;
        std::printf("  Job:         %s, progress %lu, target %s, %s\n",
            s.progress >= kProgressDone ? "Done" : "Scanning", static_cast<unsigned long>(s.progress),
            s.targetName.c_str(), s.targetFolder.c_str());
        std::printf(
            "  Counts:      folders %lu, files scanned %lu, infected %lu, viruses %lu, not scanned %lu, to scan %lu\n",
            static_cast<unsigned long>(s.foldersScanned), static_cast<unsigned long>(s.filesScanned),
            static_cast<unsigned long>(s.filesInfected), static_cast<unsigned long>(s.virusesFound),
            static_cast<unsigned long>(s.filesNotScanned), static_cast<unsigned long>(s.filesToScan));
        if (!s.lastVirus.empty())
            std::printf("  Last virus:  %s in %s\n", s.lastVirus.c_str(), s.lastInfectedFile.c_str());
        std::printf("  Jobs run:    %lu\n", static_cast<unsigned long>(status.jobsRun));
    } else {
        std::printf("  Job:         no statistics published yet\n");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string name = argc > 1 ? argv[1] : "*";
    const ServerLocator site = ServerLocator::FromRegistry();
    const std::vector<ServerPlace> targets = name == "*" ? site.AllServers() : site.Targets(name, false);
    if (targets.empty()) {
        std::printf("%s is no server or domain of the site.\n", name.c_str());
        return 1;
    }
    int failures = 0;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (i)
            std::printf("\n");
        failures += Print(targets[i]);
    }
    return failures ? 1 : 0;
}
