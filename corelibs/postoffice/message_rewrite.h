// Changes to one message's attachments, each giving the message's new bytes. Fields
// outside the MIME structure are kept byte for byte, so the message keeps its identity.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mime_message.h"

namespace postoffice {

// Removes attachment index of the message. A message that is itself the attachment
// keeps its header and gets an empty text body; a multipart's last part gives way to an
// empty text part, so the structure stays valid.
std::optional<std::string> DeleteAttachment(std::string_view text, const MimeMessage& message, std::size_t index);

// Adds a file as an attachment under the given name. A message that is not a
// multipart/mixed becomes one, with its old body as the first part.
std::optional<std::string> AddAttachment(
    std::string_view text, const MimeMessage& message, std::string_view name, std::string_view bytes);

// Puts the file in the place of attachment index, under the given name.
std::optional<std::string> ReplaceAttachment(std::string_view text, const MimeMessage& message, std::size_t index,
    std::string_view name, std::string_view bytes);

// The header and base64 body of an attachment part, lines ended by eol.
std::string AttachmentPartText(std::string_view name, std::string_view bytes, std::string_view eol);

}  // namespace postoffice
