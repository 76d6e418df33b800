// The limits within which every archive and compressed file is decoded.
#pragma once

#include <cstdint>

namespace torpin::limits {

// Largest member written out; a member that would grow past it is skipped.
inline constexpr std::uint64_t kMaxMemberBytes = 100ull * 1024 * 1024;

// Bytes written out over one walk of one archive, all members together.
inline constexpr std::uint64_t kMaxArchiveBytes = 400ull * 1024 * 1024;

// Output may exceed this many times the member's packed size only while it stays
// under kRatioFloorBytes: small, very regular files legitimately pack tighter.
inline constexpr std::uint64_t kMaxRatio = 250;
inline constexpr std::uint64_t kRatioFloorBytes = 1024 * 1024;

// Bytes decoded over one walk, counting those passed over to reach a member that
// starts deep inside a block shared by several members (a cabinet's folder).
inline constexpr std::uint64_t kMaxDecodedBytes = 1024ull * 1024 * 1024;

// Members listed by one walk; the walk ends after the last one allowed.
inline constexpr std::uint32_t kMaxMembers = 10000;

// Longest member name handed out, in bytes (it fits the scanner's 256- and 260-byte
// buffers with its NUL); a longer name is shortened to this length.
inline constexpr std::uint32_t kMaxNameBytes = 255;

// Longest path handed back to the caller (the Windows path limit, less the NUL).
inline constexpr std::uint32_t kMaxPathBytes = 259;

// How far into a file an archive's first header is looked for (self-extracting stubs).
inline constexpr std::uint32_t kMaxLeadingBytes = 256 * 1024;

// ARJ extended headers followed after one header, and over one archive; a header with
// more ends the walk (the format's own tools write none).
inline constexpr std::uint32_t kMaxExtendedHeaders = 16;
inline constexpr std::uint32_t kMaxArchiveExtendedHeaders = 256;

// What deciding a file's type may cost: bytes read (and checked) and time. A file that
// needs more is taken for no archive.
inline constexpr std::uint64_t kMaxTypeCheckBytes = 16ull * 1024 * 1024;
inline constexpr std::uint32_t kMaxTypeCheckMilliseconds = 2000;

// Generated names tried before a temporary file is given up.
inline constexpr std::uint32_t kMaxTempNameTries = 1000;

}  // namespace torpin::limits
