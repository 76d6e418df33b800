// The in-memory mailbox: each listed message parsed once, and again after a change.
#include "mailbox.h"

#include "header_value.h"
#include "mail_date.h"
#include "mail_limits.h"
#include "message_rewrite.h"

namespace postoffice {

std::optional<Mailbox> Mailbox::Load(std::string_view bytes)
{
    std::optional<MboxFile> file = MboxFile::Parse(bytes);
    if (!file)
        return std::nullopt;
    Mailbox mailbox;
    mailbox.m_file = std::move(*file);
    std::size_t listed = mailbox.m_file.Count() < limits::kMaxMessages ? mailbox.m_file.Count() : limits::kMaxMessages;
    for (std::size_t i = 0; i < listed; ++i)
        mailbox.AddListed(i);
    return mailbox;
}

void Mailbox::AddListed(std::size_t entry)
{
    Message message;
    std::string_view content = m_file.Entry(entry).content;
    message.parsed = ParseMimeMessage(content);
    MessageIdentity digest = HeaderDigestOf(content, message.parsed);
    std::uint32_t earlier = 0;
    bool seen = false;
    for (auto& [known, count] : m_copies)
        if (known == digest) {
            earlier = count++;
            seen = true;
            break;
        }
    if (!seen)
        m_copies.push_back({digest, 1});
    message.identity = IdentityOf(content, message.parsed, earlier);
    m_messages.push_back(std::move(message));
}

std::optional<std::size_t> Mailbox::Find(const MessageIdentity& identity) const
{
    for (std::size_t i = 0; i < m_messages.size(); ++i)
        if (m_messages[i].identity == identity)
            return i;
    return std::nullopt;
}

std::optional<std::int64_t> Mailbox::Time(std::size_t i) const
{
    const MimeMessage& parsed = m_messages[i].parsed;
    if (!parsed.parts.empty())
        if (const HeaderField* date = parsed.Header().Find("Date"))
            if (std::optional<std::int64_t> time = ParseMailDate(date->value))
                return time;
    return ParseSeparatorDate(m_file.Entry(i).separator);
}

std::string Mailbox::Field(std::size_t i, std::string_view name) const
{
    const MimeMessage& parsed = m_messages[i].parsed;
    if (parsed.parts.empty())
        return {};
    const HeaderField* field = parsed.Header().Find(name);
    return field ? DecodeEncodedWords(field->value) : std::string();
}

bool Mailbox::HasField(std::size_t i, std::string_view name) const
{
    const MimeMessage& parsed = m_messages[i].parsed;
    return !parsed.parts.empty() && parsed.Header().Find(name) != nullptr;
}

std::vector<std::string> Mailbox::AttachmentNames(std::size_t i) const
{
    std::vector<std::string> names;
    const MimeMessage& parsed = m_messages[i].parsed;
    for (std::size_t a = 0; a < parsed.attachments.size(); ++a)
        names.push_back(parsed.AttachmentName(a));
    return names;
}

std::optional<std::string> Mailbox::AttachmentBytes(std::size_t i, std::size_t attachment) const
{
    const MimeMessage& parsed = m_messages[i].parsed;
    if (!parsed.readable || attachment >= parsed.attachments.size())
        return std::nullopt;
    return DecodePartBody(Content(i), parsed.parts[parsed.attachments[attachment]]);
}

bool Mailbox::Rewrite(std::size_t i, std::optional<std::string> content)
{
    if (!content)
        return false;
    MimeMessage reparsed = ParseMimeMessage(*content);
    // A change that would make the message unreadable (it grew past a limit) is refused.
    if (!reparsed.readable)
        return false;
    m_file.ReplaceContent(i, std::move(*content));
    m_messages[i].parsed = std::move(reparsed);
    return true;
}

bool Mailbox::DeleteAttachment(std::size_t i, std::size_t attachment)
{
    return Rewrite(i, postoffice::DeleteAttachment(Content(i), m_messages[i].parsed, attachment));
}

bool Mailbox::AddAttachment(std::size_t i, std::string_view name, std::string_view bytes)
{
    return Rewrite(i, postoffice::AddAttachment(Content(i), m_messages[i].parsed, name, bytes));
}

bool Mailbox::ReplaceAttachment(std::size_t i, std::size_t attachment, std::string_view name, std::string_view bytes)
{
    return Rewrite(i, postoffice::ReplaceAttachment(Content(i), m_messages[i].parsed, attachment, name, bytes));
}

bool Mailbox::Append(std::string content, std::string_view sender, std::int64_t time)
{
    if (m_file.Count() >= limits::kMaxMessages)
        return false;
    m_file.Append(std::move(content), sender, time);
    AddListed(m_file.Count() - 1);
    return true;
}

}  // namespace postoffice
