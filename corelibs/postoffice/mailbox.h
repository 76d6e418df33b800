// A mailbox held in memory: its messages, their identities, times and attachments, and
// the changes a rewrite makes to them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mbox_file.h"
#include "message_identity.h"
#include "mime_message.h"

namespace postoffice {

class Mailbox {
public:
    // Nothing when the bytes are larger than the mailbox limit.
    static std::optional<Mailbox> Load(std::string_view bytes);

    // Messages listed: at most the message limit; any after it stay in the file untouched.
    std::size_t Count() const { return m_messages.size(); }
    bool HasUnlistedMessages() const { return m_file.Count() > m_messages.size(); }
    bool IsBare() const { return m_file.IsBare(); }

    const MessageIdentity& Identity(std::size_t i) const { return m_messages[i].identity; }
    std::optional<std::size_t> Find(const MessageIdentity& identity) const;
    std::string_view Content(std::size_t i) const { return m_file.Entry(i).content; }
    const MimeMessage& Parsed(std::size_t i) const { return m_messages[i].parsed; }
    bool Readable(std::size_t i) const { return m_messages[i].parsed.readable; }

    // The Date field's time, else the separator line's; seconds since 1970 (UTC).
    std::optional<std::int64_t> Time(std::size_t i) const;
    // A header field's value with encoded words decoded; empty when missing.
    std::string Field(std::size_t i, std::string_view name) const;
    bool HasField(std::size_t i, std::string_view name) const;

    std::vector<std::string> AttachmentNames(std::size_t i) const;
    std::optional<std::string> AttachmentBytes(std::size_t i, std::size_t attachment) const;

    // Each change fails, leaving the message as it was, when the message is not readable
    // or the attachment does not exist.
    bool DeleteAttachment(std::size_t i, std::size_t attachment);
    bool AddAttachment(std::size_t i, std::string_view name, std::string_view bytes);
    bool ReplaceAttachment(std::size_t i, std::size_t attachment, std::string_view name, std::string_view bytes);
    // False when the mailbox already holds the message limit.
    bool Append(std::string content, std::string_view sender, std::int64_t time);

    std::string Serialize() const { return m_file.Serialize(); }

private:
    struct Message {
        MessageIdentity identity;
        MimeMessage parsed;
    };
    bool Rewrite(std::size_t i, std::optional<std::string> content);
    void AddListed(std::size_t entry);

    MboxFile m_file;
    std::vector<Message> m_messages;
    std::vector<std::pair<MessageIdentity, std::uint32_t>> m_copies;  // header digest, messages seen with it
};

}  // namespace postoffice
