// The post office folder: mailboxes, users, the administrator and delivery.
#include "post_office.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "address_list.h"
#include "mail_date.h"
#include "mail_limits.h"
#include "message_identity.h"
#include "text_codec.h"

namespace postoffice {
namespace {

constexpr char kMailboxExtension[] = ".mbx";
constexpr std::size_t kMaxIniBytes = 1024 * 1024;
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string PasswordDigest(std::string_view name, std::string_view password)
{
    return IdentityToHex(Digest128("vxmail-password:" + ToLower(name) + ":" + std::string(password)));
}

bool NeedsEncoding(std::string_view text)
{
    for (unsigned char c : text)
        if (c >= 127 || (c < 32 && c != '\t'))
            return true;
    return false;
}

// A header text as one or more encoded words when it is not plain ASCII.
std::string HeaderText(std::string_view text, std::string_view charset)
{
    if (!NeedsEncoding(text))
        return std::string(text);
    std::string out;
    for (std::size_t pos = 0; pos < text.size(); pos += 45) {
        if (!out.empty())
            out += "\r\n ";
        std::string b64 = EncodeBase64Lines(text.substr(pos, 45), "");
        out += "=?" + std::string(charset) + "?B?" + b64 + "?=";
    }
    return out;
}

std::string WithCrlf(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

bool LongLines(std::string_view text)
{
    std::size_t run = 0;
    for (char c : text) {
        run = c == '\n' ? 0 : run + 1;
        if (run > 998)
            return true;
    }
    return false;
}

}  // namespace

std::string ComposeMessage(const OutgoingMail& mail)
{
    std::string out;
    out += "From: " + HeaderText(mail.from, mail.charset) + "\r\n";
    if (!mail.to.empty())
        out += "To: " + HeaderText(mail.to, mail.charset) + "\r\n";
    if (!mail.cc.empty())
        out += "CC: " + HeaderText(mail.cc, mail.charset) + "\r\n";
    out += "Subject: " + HeaderText(mail.subject, mail.charset) + "\r\n";
    out += "Date: " + FormatMailDate(mail.time) + "\r\n";
    if (!mail.receiptTo.empty())
        out += "Disposition-Notification-To: " + HeaderText(mail.receiptTo, mail.charset) + "\r\n";
    std::string seed =
        mail.from + "\n" + mail.to + "\n" + mail.subject + "\n" + mail.body + "\n" + std::to_string(mail.time);
    out += "Message-ID: <" + IdentityToHex(Digest128(seed)) + "@postoffice>\r\n";
    out += "MIME-Version: 1.0\r\n";
    std::string body = WithCrlf(mail.body);
    bool plain = !LongLines(body);
    for (unsigned char c : body)
        if (c >= 127 || (c < 32 && c != '\t' && c != '\r' && c != '\n'))
            plain = false;
    if (plain) {
        out += "Content-Type: text/plain; charset=us-ascii\r\nContent-Transfer-Encoding: 7bit\r\n\r\n";
        out += body;
        if (!body.empty() && body.back() != '\n')
            out += "\r\n";
        return out;
    }
    out +=
        "Content-Type: text/plain; charset=" + mail.charset + "\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n";
    out += EncodeQuotedPrintable(body, "\r\n");
    if (out.back() != '\n')
        out += "\r\n";
    return out;
}

PostOffice::PostOffice(std::string folder) : m_folder(std::move(folder))
{
    while (m_folder.size() > 1 && (m_folder.back() == '/' || m_folder.back() == '\\'))
        m_folder.pop_back();
}

bool PostOffice::ValidMailboxName(std::string_view name)
{
    if (name.empty() || name.size() > 48 || name[0] == '.')
        return false;
    for (char c : name) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
            c == '_';
        if (!ok)
            return false;
    }
    return true;
}

std::vector<std::string> PostOffice::Mailboxes() const
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(m_folder, error), end; !error && it != end; it.increment(error)) {
        std::string file = it->path().filename().string();
        if (file.size() <= 4 || !EqualsIgnoreCase(std::string_view(file).substr(file.size() - 4), kMailboxExtension))
            continue;
        std::string name = file.substr(0, file.size() - 4);
        if (ValidMailboxName(name) && it->is_regular_file(error))
            names.push_back(name);
    }
    std::sort(
        names.begin(), names.end(), [](const std::string& a, const std::string& b) { return ToLower(a) < ToLower(b); });
    return names;
}

std::optional<std::string> PostOffice::FindMailbox(std::string_view name) const
{
    if (!ValidMailboxName(name))
        return std::nullopt;
    for (const std::string& known : Mailboxes())
        if (EqualsIgnoreCase(known, name))
            return known;
    return std::nullopt;
}

std::string PostOffice::MailboxPath(std::string_view name) const
{
    return m_folder + kSeparator + std::string(name) + kMailboxExtension;
}

std::string PostOffice::IniPath(std::string_view file) const
{
    return m_folder + kSeparator + std::string(file);
}

bool PostOffice::CreateMailbox(std::string_view name, std::string_view fullName, std::string_view password)
{
    if (!ValidMailboxName(name) || FindMailbox(name))
        return false;
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (!ReplaceFileAtomically(MailboxPath(name), std::string()))
        return false;
    MailboxLock lock(IniPath("users.ini"), limits::kLockWaitMs);
    if (!lock.Held())
        return false;
    std::string users;
    StoreStatus status = ReadFileBytes(IniPath("users.ini"), kMaxIniBytes, users);
    if (status != StoreStatus::kOk && status != StoreStatus::kMissing)
        return false;
    users = IniWithValue(users, "FullNames", name, fullName);
    users = IniWithValue(users, "Passwords", name, PasswordDigest(name, password));
    return ReplaceFileAtomically(IniPath("users.ini"), users);
}

std::string PostOffice::FullName(std::string_view name) const
{
    std::string users;
    if (ReadFileBytes(IniPath("users.ini"), kMaxIniBytes, users) != StoreStatus::kOk)
        return {};
    return IniValue(users, "FullNames", name);
}

bool PostOffice::CheckPassword(std::string_view name, std::string_view password) const
{
    std::optional<std::string> mailbox = FindMailbox(name);
    if (!mailbox)
        return false;
    std::string users;
    StoreStatus status = ReadFileBytes(IniPath("users.ini"), kMaxIniBytes, users);
    if (status != StoreStatus::kOk && status != StoreStatus::kMissing)
        return false;
    std::string stored = IniValue(users, "Passwords", *mailbox);
    std::string expected = PasswordDigest(*mailbox, password);
    return stored.empty() ? password.empty() : EqualsIgnoreCase(stored, expected);
}

std::string PostOffice::Administrator() const
{
    std::string notes;
    if (ReadFileBytes(IniPath("notes.ini"), kMaxIniBytes, notes) != StoreStatus::kOk)
        return {};
    std::string admin = IniValue(notes, "Notes", "Admin");
    return admin.size() > 1024 ? admin.substr(0, 1024) : admin;
}

bool PostOffice::SetAdministrator(std::string_view name)
{
    MailboxLock lock(IniPath("notes.ini"), limits::kLockWaitMs);
    if (!lock.Held())
        return false;
    std::string notes;
    StoreStatus status = ReadFileBytes(IniPath("notes.ini"), kMaxIniBytes, notes);
    if (status != StoreStatus::kOk && status != StoreStatus::kMissing)
        return false;
    return ReplaceFileAtomically(IniPath("notes.ini"), IniWithValue(notes, "Notes", "Admin", name));
}

std::optional<std::string> PostOffice::Resolve(std::string_view recipient) const
{
    std::string_view text = TrimSpace(recipient);
    if (text.empty())
        return std::nullopt;
    if (std::optional<std::string> direct = FindMailbox(text))
        return direct;
    std::vector<MailAddress> addresses = ParseAddressList(text);
    if (addresses.size() == 1) {
        std::string address = addresses[0].address;
        std::size_t at = address.find('@');
        if (std::optional<std::string> local = FindMailbox(address.substr(0, at)))
            return local;
        text = addresses[0].display.empty() ? text : std::string_view(addresses[0].display);
    }
    for (const std::string& name : Mailboxes())
        if (EqualsIgnoreCase(FullName(name), text))
            return name;
    return std::nullopt;
}

StoreStatus PostOffice::Deliver(
    std::string_view mailbox, std::string message, std::string_view envelopeSender, std::int64_t time) const
{
    std::optional<std::string> name = FindMailbox(mailbox);
    if (!name)
        return StoreStatus::kMissing;
    return ChangeMailbox(
        MailboxPath(*name), [&](Mailbox& box) { return box.Append(std::move(message), envelopeSender, time); }, false);
}

std::string IniValue(std::string_view text, std::string_view section, std::string_view key)
{
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string_view line =
            TrimSpace(text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos));
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            inSection =
                close != std::string_view::npos && EqualsIgnoreCase(TrimSpace(line.substr(1, close - 1)), section);
            continue;
        }
        std::size_t equals = line.find('=');
        if (inSection && equals != std::string_view::npos && EqualsIgnoreCase(TrimSpace(line.substr(0, equals)), key))
            return std::string(TrimSpace(line.substr(equals + 1)));
    }
    return {};
}

std::string IniWithValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    std::string out;
    bool inSection = false, sectionSeen = false, written = false;
    std::string entry = std::string(key) + "=" + std::string(value) + "\r\n";
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
        std::string_view raw = text.substr(pos, end - pos);
        std::string_view line = TrimSpace(raw);
        pos = end;
        if (!line.empty() && line.front() == '[') {
            if (inSection && !written) {
                out += entry;
                written = true;
            }
            std::size_t close = line.find(']');
            inSection =
                close != std::string_view::npos && EqualsIgnoreCase(TrimSpace(line.substr(1, close - 1)), section);
            sectionSeen = sectionSeen || inSection;
        } else if (inSection && !written) {
            std::size_t equals = line.find('=');
            if (equals != std::string_view::npos && EqualsIgnoreCase(TrimSpace(line.substr(0, equals)), key)) {
                out += entry;
                written = true;
                continue;
            }
        }
        out += raw;
        if (!raw.empty() && raw.back() != '\n')
            out += "\r\n";
    }
    if (!written) {
        if (!sectionSeen)
            out += "[" + std::string(section) + "]\r\n";
        out += entry;
    }
    return out;
}

}  // namespace postoffice
