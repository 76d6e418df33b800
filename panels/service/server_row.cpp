// Server list rows: the state word read as the service, job and real-time texts.
#include "server_row.h"

#include <cstdio>

const std::string& ServiceText(const ServerStateTexts& texts, std::uint32_t stateWord)
{
    return stateWord ? texts.active : texts.inactive;
}

const std::string& JobText(const ServerStateTexts& texts, std::uint32_t stateWord)
{
    if (stateWord == 0)
        return texts.notAvailable;
    switch (stateWord & kJobBits) {
    case 0: return texts.noJobs;
    case kJobScheduled: return texts.scheduled;
    case kJobPreScanning: return texts.preScanning;
    case kJobScanning: return texts.scanning;
    default: return texts.done;
    }
}

const std::string& RealTimeText(const ServerStateTexts& texts, std::uint32_t stateWord)
{
    if (stateWord == 0)
        return texts.notAvailable;
    switch (stateWord & kRealTimeBits) {
    case 0: return texts.realTimeInactive;
    case kRealTimeActive: return texts.active;
    default: return texts.unknown;
    }
}

std::string VersionText(std::uint32_t version)
{
    char text[16];
    std::snprintf(
        text, sizeof text, "v%u.%02u", static_cast<unsigned>(version >> 16), static_cast<unsigned>(version & 0xFFFF));
    return text;
}

std::string ServerRowText(const ServerStateTexts& texts, const ServerFacts& facts)
{
    char states[96];
    std::snprintf(states, sizeof states, "%-8s\t%-8s\t%-11s", ServiceText(texts, facts.stateWord).c_str(),
        RealTimeText(texts, facts.stateWord).c_str(), JobText(texts, facts.stateWord).c_str());
    return facts.name + '\t' + states + '\t' + VersionText(facts.product) + '\t' + VersionText(facts.signature) + '\t' +
        VersionText(facts.engine) + "\tNT " + VersionText(facts.os);
}
