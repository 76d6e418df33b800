// Splitting and joining mbox files without touching the messages nobody changed.
#include "mbox_file.h"

#include "mail_date.h"
#include "mail_limits.h"

namespace postoffice {
namespace {

bool StartsWithFrom(std::string_view line)
{
    return line.size() >= 5 && line.compare(0, 5, "From ") == 0;
}

bool IsEmptyLine(std::string_view line)
{
    return line == "\n" || line == "\r\n";
}

// A "From " line that follows a message without its framing blank line still starts a new
// message when it carries a separator's date.
bool LooksLikeSeparator(std::string_view line)
{
    return ParseSeparatorDate(line).has_value();
}

// A quoted "From " line: one or more '>' then "From ".
bool IsQuotedFrom(std::string_view line, std::size_t& marks)
{
    marks = 0;
    while (marks < line.size() && line[marks] == '>')
        ++marks;
    return StartsWithFrom(line.substr(marks));
}

template <typename Fn> void ForEachLine(std::string_view text, Fn fn)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
        fn(text.substr(pos, end - pos));
        pos = end;
    }
}

// The message within a stored span: the framing blank line at its end is not part of it.
std::string_view WithoutFraming(std::string_view raw)
{
    if (raw.size() >= 4 && raw.compare(raw.size() - 4, 4, "\r\n\r\n") == 0)
        return raw.substr(0, raw.size() - 2);
    if (raw.size() >= 2 && raw.compare(raw.size() - 2, 2, "\n\n") == 0)
        return raw.substr(0, raw.size() - 1);
    return raw;
}

}  // namespace

std::string MboxFile::Quote(std::string_view content)
{
    std::string out;
    out.reserve(content.size() + 16);
    ForEachLine(content, [&](std::string_view line) {
        std::size_t marks;
        if (IsQuotedFrom(line, marks))
            out += '>';
        out += line;
    });
    return out;
}

std::string MboxFile::Unquote(std::string_view stored)
{
    std::string out;
    out.reserve(stored.size());
    ForEachLine(stored, [&](std::string_view line) {
        std::size_t marks;
        if (IsQuotedFrom(line, marks) && marks > 0)
            line.remove_prefix(1);
        out += line;
    });
    return out;
}

std::optional<MboxFile> MboxFile::Parse(std::string_view bytes)
{
    if (bytes.size() > limits::kMaxMailboxBytes)
        return std::nullopt;
    MboxFile file;
    if (bytes.empty())
        return file;
    if (!StartsWithFrom(bytes)) {
        file.m_bare = true;
        MboxEntry entry;
        entry.raw = std::string(bytes);
        entry.content = entry.raw;
        file.m_entries.push_back(std::move(entry));
        return file;
    }
    std::size_t pos = 0;
    std::size_t spanBegin = 0;
    bool previousEmpty = true;
    MboxEntry* current = nullptr;
    auto finish = [&](std::size_t spanEnd) {
        if (!current)
            return;
        current->raw = std::string(bytes.substr(spanBegin, spanEnd - spanBegin));
        current->content = Unquote(WithoutFraming(current->raw));
    };
    while (pos < bytes.size()) {
        std::size_t nl = bytes.find('\n', pos);
        std::size_t end = nl == std::string_view::npos ? bytes.size() : nl + 1;
        std::string_view line = bytes.substr(pos, end - pos);
        if (StartsWithFrom(line) && (previousEmpty || LooksLikeSeparator(line))) {
            finish(pos);
            file.m_entries.emplace_back();
            current = &file.m_entries.back();
            current->separator = std::string(line);
            spanBegin = end;
        }
        previousEmpty = IsEmptyLine(line);
        pos = end;
    }
    finish(bytes.size());
    return file;
}

std::string MboxFile::Serialize() const
{
    std::string out;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const MboxEntry& entry = m_entries[i];
        if (m_bare && m_entries.size() == 1)
            return entry.changed ? entry.content : entry.raw;
        // A file that ended inside a line (a message or separator cut short) gets its line
        // break before another message follows, or the separator would join that line.
        if (!out.empty() && out.back() != '\n')
            out += '\n';
        out += entry.separator;
        std::string_view eol =
            entry.separator.size() >= 2 && entry.separator[entry.separator.size() - 2] == '\r' ? "\r\n" : "\n";
        if (!entry.changed) {
            out += entry.raw;
            continue;
        }
        if (!entry.separator.empty() && entry.separator.back() != '\n')
            out += eol;
        out += Quote(entry.content);
        if (!entry.content.empty() && entry.content.back() != '\n')
            out += eol;
        out += eol;
    }
    return out;
}

void MboxFile::ReplaceContent(std::size_t i, std::string content)
{
    m_entries[i].content = std::move(content);
    m_entries[i].changed = true;
}

void MboxFile::Remove(std::size_t i)
{
    m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
}

void MboxFile::Append(std::string content, std::string_view sender, std::int64_t time)
{
    // A bare message gains a separator of its own once the file holds a second one.
    if (m_bare && !m_entries.empty()) {
        MboxEntry& first = m_entries.front();
        first.separator = "From MAILER-DAEMON " + FormatSeparatorDate(time) + "\n";
        first.changed = true;
    }
    m_bare = false;
    std::string envelope;
    for (char c : sender)
        if (c > 32 && c < 127)
            envelope += c;
    if (envelope.empty())
        envelope = "MAILER-DAEMON";
    MboxEntry entry;
    entry.separator = "From " + envelope + " " + FormatSeparatorDate(time) + "\n";
    entry.content = std::move(content);
    entry.changed = true;
    m_entries.push_back(std::move(entry));
}

}  // namespace postoffice
