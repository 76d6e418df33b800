// The 16-byte identity of a message in its mailbox.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "mime_message.h"

namespace postoffice {

using MessageIdentity = std::array<std::uint8_t, 16>;

// A 128-bit digest of bytes (two independent 64-bit FNV-1a runs, each finished by a
// mixing step). Not a cryptographic hash: it tells messages apart, it does not guard them.
MessageIdentity Digest128(std::string_view bytes);

// The digest of the message's header fields other than the MIME ones (Content-* and
// MIME-Version), so replacing or removing an attachment keeps it, mixed with how many
// earlier messages of the mailbox have the same fields, so copies differ. A message whose
// header cannot be read is identified by its first bytes instead.
MessageIdentity IdentityOf(std::string_view content, const MimeMessage& parsed, std::uint32_t earlierCopies);

// The part of the identity that copies share.
MessageIdentity HeaderDigestOf(std::string_view content, const MimeMessage& parsed);

std::string IdentityToHex(const MessageIdentity& identity);

}  // namespace postoffice
