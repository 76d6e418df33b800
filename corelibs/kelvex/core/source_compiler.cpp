// SourceCompiler: the three text formats, one line at a time.
#include "source_compiler.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

#include "matcher.h"
#include "version_values.h"

namespace kelvex {
namespace {

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

template <typename T> bool Number(std::string_view s, T& out)
{
    if (s.empty())
        return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

std::vector<std::string_view> Split(std::string_view s, char sep)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        size_t at = s.find(sep, start);
        parts.push_back(s.substr(start, at == s.npos ? s.npos : at - start));
        if (at == s.npos)
            return parts;
        start = at + 1;
    }
}

bool HexBytes(std::string_view hex, std::string& out)
{
    if (hex.size() % 2)
        return false;
    out.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        unsigned v = 0;
        auto [p, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, v, 16);
        if (ec != std::errc() || p != hex.data() + i + 2)
            return false;
        out.push_back(char(v));
    }
    return true;
}

std::string Lower(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

// Splits "key=value key=\"quoted value\"" into pairs; false on an unclosed quote.
bool Fields(std::string_view s, std::vector<std::pair<std::string, std::string>>& out)
{
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
            ++i;
        if (i == s.size())
            break;
        size_t eq = s.find('=', i);
        size_t space = s.find_first_of(" \t", i);
        if (eq == s.npos || (space != s.npos && space < eq)) {
            out.emplace_back(std::string(s.substr(i, space == s.npos ? s.npos : space - i)), "");
            i = space == s.npos ? s.size() : space;
            continue;
        }
        std::string key(s.substr(i, eq - i));
        i = eq + 1;
        std::string value;
        if (i < s.size() && s[i] == '"') {
            size_t close = s.find('"', i + 1);
            if (close == s.npos)
                return false;
            value = std::string(s.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            size_t end = s.find_first_of(" \t", i);
            value = std::string(s.substr(i, end == s.npos ? s.npos : end - i));
            i = end == s.npos ? s.size() : end;
        }
        out.emplace_back(std::move(key), std::move(value));
    }
    return true;
}

}  // namespace

bool SourceCompiler::FormatOf(const std::string& fileName, Format& out)
{
    const std::string lower = Lower(fileName);
    auto ends = [&](const char* ext) {
        const std::string e(ext);
        return lower.size() >= e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0;
    };
    if (ends(".kvs"))
        out = Format::Kvs;
    else if (ends(".ndb"))
        out = Format::Ndb;
    else if (ends(".hdb"))
        out = Format::Hdb;
    else
        return false;
    return true;
}

void SourceCompiler::Error(const std::string& why)
{
    m_errors.push_back(m_file + ":" + std::to_string(m_line) + ": " + why);
}

bool SourceCompiler::NameAccepted(const std::string& name)
{
    if (name.size() > kMaxNameChars) {
        Error("name \"" + name.substr(0, kMaxNameChars) + "...\" is longer than " + std::to_string(kMaxNameChars) +
            " characters");
        return false;
    }
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", c);
            Error("name holds the control character " + std::string(code));
            return false;
        }
    }
    return true;
}

void SourceCompiler::Add(std::string_view text, Format format, const std::string& fileName)
{
    m_file = fileName;
    m_line = 0;
    for (std::string_view raw : Split(text, '\n')) {
        ++m_line;
        std::string_view line = Trim(raw);
        if (line.empty() || line.front() == '#')
            continue;
        switch (format) {
        case Format::Kvs: KvsLine(line); break;
        case Format::Ndb: NdbLine(line); break;
        case Format::Hdb: HdbLine(line); break;
        }
    }
}

bool SourceCompiler::AddFile(const std::string& path)
{
    Format format;
    if (!FormatOf(path, format)) {
        m_errors.push_back(path + ": unknown source type (expected .kvs, .ndb or .hdb)");
        return false;
    }
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        m_errors.push_back(path + ": cannot open");
        return false;
    }
    std::string text;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        text.append(chunk, got);
    std::fclose(f);
    const size_t before = m_errors.size();
    Add(text, format, path);
    return m_errors.size() == before;
}

uint16_t SourceCompiler::ImportedId(const std::string& name)
{
    auto it = m_importedIds.find(name);
    if (it != m_importedIds.end())
        return it->second;
    // Past the last number every further imported name shares 0xFFFF.
    const uint16_t id = m_nextImportedId <= 0xFFFF ? uint16_t(m_nextImportedId++) : uint16_t(0xFFFF);
    m_importedIds.emplace(name, id);
    return id;
}

bool SourceCompiler::Offset(std::string_view text, BodySignature& sig)
{
    if (text == "*")
        return true;
    std::string_view where = text;
    uint32_t window = 0;
    size_t comma = text.find(',');
    if (comma != text.npos) {
        where = text.substr(0, comma);
        if (!Number(text.substr(comma + 1), window))
            return false;
    }
    if (where.substr(0, 4) == "EOF-") {
        sig.anchor = AnchorKind::FromEnd;
        where.remove_prefix(4);
    } else {
        sig.anchor = AnchorKind::FromStart;
    }
    sig.anchorWindow = window;
    return Number(where, sig.anchorOffset);
}

bool SourceCompiler::Pattern(BodySignature& sig)
{
    std::string why;
    if (!ParseHexPattern(sig.hex, sig.pattern, why)) {
        Error("signature \"" + sig.name + "\": " + why);
        return false;
    }
    for (const PatternSegment& seg : sig.pattern.segments) {
        if (!Matcher::Keyable(seg)) {
            Error("signature \"" + sig.name + "\": every stretch between '*' gaps needs two fixed bytes in a row");
            return false;
        }
    }
    return true;
}

bool SourceCompiler::Cure(std::string_view text, CureSpec& cure)
{
    std::vector<std::string_view> p = Split(text, ':');
    cure = CureSpec {};
    int32_t n = 0;
    uint32_t len = 0;
    if (p[0] == "none" && p.size() == 1)
        return true;
    if (p[0] == "destructive" && p.size() == 1) {
        cure.method = CureMethod::Destructive;
        return true;
    }
    if (p[0] == "truncate" && p.size() == 2 && Number(p[1], n)) {
        cure.method = CureMethod::Truncate;
        cure.truncateDelta = n;
        return true;
    }
    if (p[0] == "restore" && (p.size() == 3 || p.size() == 4) && Number(p[1], n) && n >= 0 &&
        HexBytes(p[2], cure.data) && !cure.data.empty()) {
        cure.method = CureMethod::Restore;
        cure.offset = n;
        if (p.size() == 4) {
            int32_t delta = 0;
            if (!Number(p[3], delta))
                return false;
            cure.hasTruncate = true;
            cure.truncateDelta = delta;
        }
        return true;
    }
    if (p[0] == "overwrite" && (p.size() == 3 || p.size() == 4) && Number(p[1], n) && Number(p[2], len) && len > 0) {
        cure.method = CureMethod::Overwrite;
        cure.offset = n;
        cure.length = len;
        if (p.size() == 4) {
            std::string fill;
            if (!HexBytes(p[3], fill) || fill.size() != 1)
                return false;
            cure.fill = uint8_t(fill[0]);
        }
        return true;
    }
    return false;
}

void SourceCompiler::KvsLine(std::string_view line)
{
    size_t space = line.find_first_of(" \t");
    std::string_view keyword = line.substr(0, space);
    std::string_view rest = space == line.npos ? std::string_view() : Trim(line.substr(space));
    VersionValues& v = m_set.versions;
    if (keyword == "version") {
        if (!EncodeVersion(rest, v.signatureVersion))
            Error("bad version \"" + std::string(rest) + "\" (want M.mm, M from 0 to 9)");
        return;
    }
    if (keyword == "date") {
        if (!EncodeDate(rest, v.signatureDate))
            Error("bad date \"" + std::string(rest) + "\" (want YYYY-MM-DD)");
        return;
    }
    if (keyword == "engine") {
        std::vector<std::string_view> p = Split(rest, ' ');
        if (p.size() != 2 || !EncodeVersion(p[0], v.engineVersion) || !EncodeDate(p[1], v.engineDate))
            Error("bad engine line (want: engine M.mm YYYY-MM-DD, M from 0 to 9)");
        return;
    }
    if (keyword != "body" && keyword != "hash") {
        Error("unknown keyword \"" + std::string(keyword) + "\"");
        return;
    }
    std::vector<std::pair<std::string, std::string>> fields;
    if (!Fields(rest, fields)) {
        Error("unclosed quote");
        return;
    }
    BodySignature b;
    HashSignature h;
    uint32_t id = 0;
    bool haveId = false, haveSig = false, haveSize = false;
    std::string name;
    CureSpec cure;
    uint16_t flags = 0;
    for (const auto& [key, value] : fields) {
        bool ok = true;
        if (key == "id")
            ok = haveId = Number(std::string_view(value), id) && id > 0 && id <= 0xFFFF;
        else if (key == "name")
            ok = !(name = value).empty();
        else if (key == "reviewer" && value.empty())
            flags |= kReviewerOnly;
        else if (key == "tail" && value == "space")
            flags |= kSpaceTail;
        else if (key == "cure")
            ok = Cure(value, cure);
        else if (keyword == "body" && key == "offset")
            ok = Offset(value, b);
        else if (keyword == "body" && key == "sig")
            ok = haveSig = !(b.hex = Lower(value)).empty();
        else if (keyword == "body" && key == "minsize")
            ok = Number(std::string_view(value), b.minSize);
        else if (keyword == "body" && key == "maxsize")
            ok = Number(std::string_view(value), b.maxSize);
        else if (keyword == "hash" && key == "md5") {
            std::string bytes;
            ok = haveSig = HexBytes(value, bytes) && bytes.size() == 16;
            if (ok)
                std::copy(bytes.begin(), bytes.end(), h.md5.begin());
        } else if (keyword == "hash" && key == "size")
            ok = haveSize = Number(std::string_view(value), h.size);
        else
            ok = false;
        if (!ok) {
            Error("bad field \"" + key + (value.empty() ? "" : "=" + value) + "\"");
            return;
        }
    }
    if (!haveId || name.empty() || !haveSig || (keyword == "hash" && !haveSize)) {
        Error(keyword == "body" ? "a body line needs id, name and sig" : "a hash line needs id, name, md5 and size");
        return;
    }
    if (!NameAccepted(name))
        return;
    if ((flags & kSpaceTail) && (b.maxSize == 0 || b.maxSize > 65536)) {
        Error("tail=space needs maxsize of at most 65536");
        return;
    }
    if (keyword == "body") {
        b.id = uint16_t(id);
        b.name = name;
        b.flags = flags;
        b.cure = cure;
        if (Pattern(b))
            m_set.bodies.push_back(std::move(b));
    } else {
        h.id = uint16_t(id);
        h.name = name;
        h.flags = flags & kReviewerOnly;
        h.cure = cure;
        m_set.hashes.push_back(std::move(h));
    }
}

void SourceCompiler::NdbLine(std::string_view line)
{
    std::vector<std::string_view> p = Split(line, ':');
    if (p.size() < 4 || p.size() > 6 || p[0].empty()) {
        Error("expected Name:TargetType:Offset:HexSig[:MinFL[:MaxFL]]");
        return;
    }
    uint32_t level = 0;
    for (size_t i = 4; i < p.size(); ++i) {
        if (!Number(p[i], level)) {
            Error("bad functionality level \"" + std::string(p[i]) + "\"");
            return;
        }
    }
    if (p[1] != "0") {
        Error("target type " + std::string(p[1]) + " is not supported; only 0 (any file)");
        return;
    }
    BodySignature b;
    b.name = std::string(p[0]);
    if (!NameAccepted(b.name))
        return;
    if (!Offset(p[2], b)) {
        Error("offset \"" + std::string(p[2]) + "\" is not supported (use *, n, n,m, EOF-n or EOF-n,m)");
        return;
    }
    b.hex = Lower(p[3]);
    b.id = ImportedId(b.name);
    if (Pattern(b))
        m_set.bodies.push_back(std::move(b));
}

void SourceCompiler::HdbLine(std::string_view line)
{
    std::vector<std::string_view> p = Split(line, ':');
    HashSignature h;
    std::string bytes;
    if (p.size() < 3 || !HexBytes(p[0], bytes) || bytes.size() != 16) {
        Error("expected MD5:FileSize:Name");
        return;
    }
    if (!Number(p[1], h.size)) {
        Error("file size \"" + std::string(p[1]) + "\" is not supported; give the size in bytes");
        return;
    }
    std::copy(bytes.begin(), bytes.end(), h.md5.begin());
    h.name = std::string(p[2]);
    if (h.name.empty()) {
        Error("empty name");
        return;
    }
    if (!NameAccepted(h.name))
        return;
    h.id = ImportedId(h.name);
    m_set.hashes.push_back(std::move(h));
}

}  // namespace kelvex
