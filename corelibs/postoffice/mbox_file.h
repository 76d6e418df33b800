// A mailbox file: messages in the mbox format (mboxrd quoting of "From " lines), or a
// file holding one bare message. The content decides, not the name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace postoffice {

struct MboxEntry {
    std::string separator;  // the "From " line with its line break; empty for a bare message
    std::string raw;  // the bytes after it as stored, framing blank line included
    std::string content;  // the message itself, unquoted
    bool changed = false;  // written again from content instead of raw
};

class MboxFile {
public:
    // Splits the bytes into messages; nothing when the file is larger than the limit.
    static std::optional<MboxFile> Parse(std::string_view bytes);

    // The file's bytes: untouched messages exactly as read, changed ones quoted again.
    std::string Serialize() const;

    bool IsBare() const { return m_bare; }
    std::size_t Count() const { return m_entries.size(); }
    const MboxEntry& Entry(std::size_t i) const { return m_entries[i]; }

    void ReplaceContent(std::size_t i, std::string content);
    void Remove(std::size_t i);
    // Appends a message after a separator "From <sender> <date>" for the given time.
    void Append(std::string content, std::string_view sender, std::int64_t time);

    // mboxrd: a line of zero or more '>' followed by "From " gets one more '>' when stored
    // and loses one when read.
    static std::string Quote(std::string_view content);
    static std::string Unquote(std::string_view stored);

private:
    std::vector<MboxEntry> m_entries;
    bool m_bare = false;
};

}  // namespace postoffice
