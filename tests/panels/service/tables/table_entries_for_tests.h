// Entries of the three tables made up for the tests, and their bytes.
#pragma once

#include <winsock2.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "broadcast_table_entries.h"

inline NtDomainEntry NtDomain(const char* name, std::uint8_t enabled = 1, std::uint8_t owner = kOwnerUser)
{
    NtDomainEntry entry = {};
    std::strncpy(entry.name, name, sizeof entry.name - 1);
    entry.enabled = enabled;
    entry.owner = owner;
    return entry;
}

inline IpNetEntry IpNet(
    const char* network, const char* mask, std::uint8_t enabled = 1, std::uint8_t owner = kOwnerUser)
{
    IpNetEntry entry = {};
    entry.network = inet_addr(network);
    entry.mask = inet_addr(mask);
    entry.enabled = enabled;
    entry.owner = owner;
    return entry;
}

inline IpMaskEntry IpMask(const char* mask, std::uint8_t enabled = 1, std::uint8_t owner = kOwnerUser)
{
    IpMaskEntry entry = {};
    entry.mask = inet_addr(mask);
    entry.enabled = enabled;
    entry.owner = owner;
    return entry;
}

template <class Entry> std::vector<BYTE> BytesOf(const std::vector<Entry>& entries)
{
    std::vector<BYTE> bytes(entries.size() * sizeof(Entry));
    if (!bytes.empty())
        std::memcpy(bytes.data(), entries.data(), bytes.size());
    return bytes;
}

// `count` IP nets "10.1ab.1cd.1ef" whose dotted texts sort in the order made; every fifth was
// found by the service (owner 0) and every seventh is disabled.
inline std::vector<IpNetEntry> SortedIpNets(unsigned count)
{
    std::vector<IpNetEntry> nets;
    for (unsigned i = 0; i < count; ++i) {
        char network[32];
        std::snprintf(network, sizeof network, "10.%u.%u.%u", 100 + i / 256, 100 + (i / 16) % 16, 100 + i % 16);
        nets.push_back(IpNet(network, "255.255.255.0", i % 7 ? 1 : 0, i % 5 ? kOwnerUser : kOwnerAutomatic));
    }
    return nets;
}
