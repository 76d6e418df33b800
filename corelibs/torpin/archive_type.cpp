// Content decides the format; the extension list only rules files out.
#include "archive_type.h"

#include <cstring>

#include "archive_limits.h"
#include "arj_reader.h"
#include "bounded_source.h"
#include "cab_reader.h"
#include "zip_reader.h"

namespace torpin {
namespace {

constexpr int kMaxExtensions = 20;
constexpr int kExtensionChars = 4;

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

// The checks themselves, on a source that stops answering when their budget is spent.
ArchiveType detectWithin(ByteSource& source)
{
    std::uint8_t head[4] = {};
    if (!source.readExact(0, head, sizeof head))
        return ArchiveType::None;
    if (std::memcmp(head, "PK\x03\x04", 4) == 0 || std::memcmp(head, "PK\x05\x06", 4) == 0)
        return ArchiveType::Zip;
    // A stub in front of a ZIP (self-extracting) still leaves its directory at the end.
    if (CabReader::recognise(source))
        return ArchiveType::Cab;
    if (head[0] == 0x60 && head[1] == 0xEA) {
        std::uint64_t at = 0;
        if (ArjReader::findMainHeader(source, at))
            return ArchiveType::Arj;
    }
    ZipReader zip(source);
    if (zip.hasDirectory())
        return ArchiveType::Zip;
    // Only a program carries an ARJ archive behind itself (a self-extracting one), so
    // only programs are searched for one.
    std::uint64_t at = 0;
    if (head[0] == 'M' && head[1] == 'Z' && ArjReader::findMainHeader(source, at))
        return ArchiveType::Arj;
    return ArchiveType::None;
}

}  // namespace

ArchiveType detectArchiveType(ByteSource& whole)
{
    BoundedSource source(
        whole, limits::kMaxTypeCheckBytes, std::chrono::milliseconds(limits::kMaxTypeCheckMilliseconds));
    // Once the budget is spent every read fails, and so does every check after it.
    return detectWithin(source);
}

std::unique_ptr<ArchiveReader> makeReader(ArchiveType type, ByteSource& source)
{
    switch (type) {
    case ArchiveType::Zip: return std::make_unique<ZipReader>(source);
    case ArchiveType::Arj: return std::make_unique<ArjReader>(source);
    case ArchiveType::Cab: return std::make_unique<CabReader>(source);
    default: return nullptr;
    }
}

ExtensionList::ExtensionList() : m_entries {"ZIP", "ARJ", "CAB"}
{
}

void ExtensionList::assign(const char* entries, int count)
{
    m_entries.clear();
    if (!entries || count <= 0)
        return;
    if (count > kMaxExtensions)
        count = kMaxExtensions;
    for (int i = 0; i < count; ++i) {
        const char* entry = entries + i * kExtensionChars;
        std::size_t length = 0;
        while (length < kExtensionChars && entry[length] != '\0')
            ++length;
        if (length > 0)
            m_entries.emplace_back(entry, length);
    }
}

bool extensionOf(const std::string& path, std::string& extension)
{
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find_first_of("/\\", dot) != std::string::npos)
        return false;
    extension = path.substr(dot + 1);
    return true;
}

bool ExtensionList::admits(const std::string& path) const
{
    std::string extension;
    if (!extensionOf(path, extension) || extension.empty())
        return true;
    for (const std::string& entry : m_entries)
        if (sameIgnoringCase(entry, extension))
            return true;
    return false;
}

}  // namespace torpin
