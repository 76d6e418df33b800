// The entries of the service core's three broadcast address tables, byte for byte as exchanged.
#pragma once

#include <cstddef>
#include <cstdint>

// Addresses are kept in network byte order, as the WinSock conversion gives them; every byte
// not named is zero.
#pragma pack(push, 1)

// Table 1: an NT domain that mailslot broadcasts go to.
struct NtDomainEntry {
    char name[64];  // zero-terminated; at most 15 bytes are entered
    std::uint8_t unused1[4];
    std::uint8_t enabled;  // 1 yes, 0 no
    std::uint8_t owner;  // 1 entered by a user, 0 found by the service
    std::uint8_t unused2[10];
};

// Table 2: an IP network with its subnet mask.
struct IpNetEntry {
    std::uint32_t network;
    std::uint32_t mask;
    std::uint8_t unused1[4];
    std::uint8_t enabled;
    std::uint8_t owner;
    std::uint8_t unused2[10];
};

// Table 4: an IP subnet mask.
struct IpMaskEntry {
    std::uint32_t mask;
    std::uint8_t unused1[4];
    std::uint8_t enabled;
    std::uint8_t owner;
    std::uint8_t unused2[14];
};

#pragma pack(pop)

static_assert(sizeof(NtDomainEntry) == 80);
static_assert(offsetof(NtDomainEntry, name) == 0);
static_assert(offsetof(NtDomainEntry, enabled) == 68);
static_assert(offsetof(NtDomainEntry, owner) == 69);

static_assert(sizeof(IpNetEntry) == 24);
static_assert(offsetof(IpNetEntry, network) == 0);
static_assert(offsetof(IpNetEntry, mask) == 4);
static_assert(offsetof(IpNetEntry, enabled) == 12);
static_assert(offsetof(IpNetEntry, owner) == 13);

static_assert(sizeof(IpMaskEntry) == 24);
static_assert(offsetof(IpMaskEntry, mask) == 0);
static_assert(offsetof(IpMaskEntry, enabled) == 8);
static_assert(offsetof(IpMaskEntry, owner) == 9);

// Owner values.
constexpr std::uint8_t kOwnerAutomatic = 0;
constexpr std::uint8_t kOwnerUser = 1;
