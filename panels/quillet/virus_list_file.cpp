// Reading virus.lst line by line, finding a name by its beginning, and the .vst file's text.
#include "virus_list_file.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr size_t kLineLimit = 255;

// The four characters that stand before a line's last two, when the line is long enough to hold them.
std::string FieldBeforeLastTwo(const std::string& line)
{
    if (line.size() <= 10)
        return {};
    return line.substr(line.size() - 6, 4);
}

bool BeginsWithNoCase(const std::string& name, const std::string& text)
{
    if (name.size() < text.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(name[i])) != std::tolower(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}

}  // namespace

VirusListContents ParseVirusList(const std::string& text)
{
    VirusListContents contents;
    size_t start = 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        std::string line = text.substr(start, end - start);
        start = end;
        // Read as text: a carriage return before the line feed is not part of the line.
        if (line.size() >= 2 && line[line.size() - 2] == '\r' && line.back() == '\n')
            line.erase(line.size() - 2, 1);
        // A longer line is cut, not split: its rest never becomes a name of its own.
        if (line.size() > kLineLimit)
            line.resize(kLineLimit);
        if (number == 1)
            contents.signatureVersion = FieldBeforeLastTwo(line);
        else if (number == 3)
            contents.virusCount = FieldBeforeLastTwo(line);
        if (number < 5)
            continue;
        // Only a line feed is dropped: the last line of a file may end without one.
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        if (!line.empty())
            contents.names.push_back(line);
    }
    return contents;
}

std::optional<size_t> FindVirusName(const std::vector<std::string>& names, const std::string& text)
{
    if (text.empty())
        return 0;
    for (size_t i = 0; i < names.size(); ++i) {
        if (BeginsWithNoCase(names[i], text))
            return i;
    }
    return std::nullopt;
}

std::string VirusListSaveName(const std::string& chosen, bool vstFilterChosen)
{
    if (!vstFilterChosen)
        return chosen;
    const size_t separator = chosen.find_last_of("\\/");
    const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    const size_t dot = chosen.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return chosen + ".vst";
    // "LIST." gets "vst" after its full stop, not a second one.
    if (dot + 1 == chosen.size())
        return chosen + "vst";
    return chosen;
}

std::string VstText(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += name + "\r\n";
    return text;
}
