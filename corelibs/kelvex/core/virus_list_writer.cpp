// VirusListWriter: the line layout the Local Scanner reads (four characters before the last two).
#include "virus_list_writer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "version_values.h"

namespace kelvex {
namespace {

bool LessNoCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

// Four characters: the count itself up to 9999, then thousands ("120k").
std::string CountText(size_t n)
{
    char buf[32];
    if (n <= 9999)
        std::snprintf(buf, sizeof buf, "%4zu", n);
    else if (n <= 999999)
        std::snprintf(buf, sizeof buf, "%3zuk", n / 1000);
    else
        std::snprintf(buf, sizeof buf, "%s", "many");
    return buf;
}

}  // namespace

std::string VirusListWriter::Text(const SignatureSet& set)
{
    std::vector<std::string> names;
    for (const BodySignature& b : set.bodies)
        names.push_back(b.name);
    for (const HashSignature& h : set.hashes)
        names.push_back(h.name);
    // A name is one line: line breaks inside it would split it.
    for (std::string& n : names)
        std::replace_if(
            n.begin(), n.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    std::sort(names.begin(), names.end(),
        [](const std::string& a, const std::string& b) { return LessNoCase(a, b) || (!LessNoCase(b, a) && a < b); });
    names.erase(std::unique(names.begin(), names.end()), names.end());

    std::string text;
    text += "Signature file version [" + VersionText(set.versions.signatureVersion) + "]\r\n";
    text += "Signature file date [" + DateText(set.versions.signatureDate) + "]\r\n";
    text += "Number of viruses detected [" + CountText(names.size()) + "]\r\n";
    text += "----------------------------------------\r\n";
    for (const std::string& n : names)
        text += n + "\r\n";
    return text;
}

bool VirusListWriter::WriteFile(const SignatureSet& set, const std::string& path)
{
    const std::string text = Text(set);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace kelvex
