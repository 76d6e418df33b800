// The network the provider shows: the site's domains, their servers, whether a server asks
// for a logon (and the accounts it accepts) and the print queues it offers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "credentials_file.h"
#include "site_description.h"  // SameComputerName: network names compare without regard to case

// The platform's numbers for what the provider answers (winnetwk.h, winerror.h).
namespace netcodes {
inline constexpr std::uint32_t kTypeAny = 0;
inline constexpr std::uint32_t kTypeDisk = 1;
inline constexpr std::uint32_t kTypePrint = 2;

inline constexpr std::uint32_t kDisplayGeneric = 0;
inline constexpr std::uint32_t kDisplayDomain = 1;
inline constexpr std::uint32_t kDisplayServer = 2;
inline constexpr std::uint32_t kDisplayShare = 3;

inline constexpr std::uint32_t kUsageConnectable = 1;
inline constexpr std::uint32_t kUsageContainer = 2;

inline constexpr std::uint32_t kOk = 0;
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kBadNetPath = 53;  // no such server
inline constexpr std::uint32_t kBadDevType = 66;  // a disk share asked for as a printer, or the reverse
inline constexpr std::uint32_t kBadNetName = 67;  // no such share on that server
inline constexpr std::uint32_t kAlreadyAssigned = 85;  // the local name is already in use
inline constexpr std::uint32_t kInvalidPassword = 86;
inline constexpr std::uint32_t kBadDevice = 1200;
inline constexpr std::uint32_t kCredentialConflict =
    1219;  // already connected as another user  // a local name that is no drive letter
inline constexpr std::uint32_t kNotContainer = 1207;
inline constexpr std::uint32_t kLogonFailure = 1326;
inline constexpr std::uint32_t kNotConnected = 2250;
}  // namespace netcodes

struct NetQueue {
    std::string name;  // the share name of the queue: "\\SERVER\<name>"
    std::string comment;
};

struct NetServer {
    std::string name;
    std::string domain;
    // Set when the server asks for a logon (its data folder holds a logon file); a file that
    // cannot be read gives an empty account list, which admits nobody.
    std::optional<CredentialsFile> accounts;
    std::vector<NetQueue> queues;
};

struct NetSite {
    std::vector<std::string> domains;
    std::vector<NetServer> servers;

    const NetServer* FindServer(const std::string& name) const;
    const std::string* FindDomain(const std::string& name) const;
};

// The share every server offers for its data folder.
inline constexpr const char* kDataShare = "DATA";
