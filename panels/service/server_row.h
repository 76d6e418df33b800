// The texts of one server in the server list: its state by the state word, its versions, its row.
#pragma once

#include <cstdint>
#include <string>

// The state texts the rows are made of, from the string table (built-in values until loaded).
struct ServerStateTexts {
    std::string active = "Active";
    std::string inactive = "Inactive";
    std::string realTimeInactive = "InActive";
    std::string notAvailable = "NA";
    std::string noJobs = "No Jobs";
    std::string scheduled = "Scheduled";
    std::string preScanning = "PreScanning";
    std::string scanning = "Scanning";
    std::string done = "Done";
    std::string unknown = "Unknown";
};

// What the list shows of one server.
struct ServerFacts {
    std::string name;
    std::uint32_t stateWord = 0;
    std::uint32_t product = 0;
    std::uint32_t signature = 0;
    std::uint32_t engine = 0;
    std::uint32_t os = 0;
};

inline constexpr std::uint32_t kJobBits = 0x0F00;
inline constexpr std::uint32_t kRealTimeBits = 0xF000;
inline constexpr std::uint32_t kJobScheduled = 0x0100;
inline constexpr std::uint32_t kJobPreScanning = 0x0200;
inline constexpr std::uint32_t kJobScanning = 0x0400;
inline constexpr std::uint32_t kRealTimeActive = 0x1000;

const std::string& ServiceText(const ServerStateTexts& texts, std::uint32_t stateWord);
const std::string& JobText(const ServerStateTexts& texts, std::uint32_t stateWord);
const std::string& RealTimeText(const ServerStateTexts& texts, std::uint32_t stateWord);

// "v3.01" for 0x00030001: major in the high 16 bits, minor in the low 16 bits.
std::string VersionText(std::uint32_t version);

// name TAB service (8) TAB real time (8) TAB job (11) TAB product TAB signature TAB engine TAB "NT " OS.
std::string ServerRowText(const ServerStateTexts& texts, const ServerFacts& facts);
