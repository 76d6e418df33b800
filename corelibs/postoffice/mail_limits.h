// The limits within which every mailbox and message is read and rewritten.
#pragma once

#include <cstddef>
#include <cstdint>

namespace postoffice::limits {

// Largest mailbox or mail-database file read; a larger file is not opened at all and is
// never rewritten, so nothing in it can be lost.
inline constexpr std::size_t kMaxMailboxBytes = 256u * 1024 * 1024;

// Largest single message; a larger one is listed but not readable.
inline constexpr std::size_t kMaxMessageBytes = 32u * 1024 * 1024;

// Largest header block of one message or body part, and the most fields it may hold.
inline constexpr std::size_t kMaxHeaderBytes = 256u * 1024;
inline constexpr std::size_t kMaxHeaderFields = 2000;

// Deepest nesting of multiparts: the message itself is depth 0.
inline constexpr int kMaxDepth = 16;

// Body parts of one message, multiparts and leaves together.
inline constexpr std::size_t kMaxParts = 1000;

// Messages listed from one mailbox; those after it are kept in the file untouched.
inline constexpr std::size_t kMaxMessages = 10000;

// Bytes produced by decoding one part. The transfer encodings read here never expand
// (base64 gives 3 bytes for 4, quoted-printable at most 1 for 1), so a part's decoded
// size is also held to kMaxDecodedRatio times its encoded size.
inline constexpr std::size_t kMaxDecodedBytes = 64u * 1024 * 1024;
inline constexpr std::size_t kMaxDecodedRatio = 1;

// Longest attachment name handed out, in bytes; a longer name is cut.
inline constexpr std::size_t kMaxNameBytes = 255;

// How long a writer or reader waits for a mailbox another one holds.
inline constexpr int kLockWaitMs = 10000;

}  // namespace postoffice::limits
