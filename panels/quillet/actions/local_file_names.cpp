// The names the file actions give an infected file.
#include "local_file_names.h"

#include <cctype>

namespace local_file_names {

bool NoLeadBytes(unsigned char)
{
    return false;
}

size_t LastSeparator(const std::string& path, LeadBytePredicate isLeadByte)
{
    size_t last = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(path[i]);
        if (isLeadByte(byte) && i + 1 < path.size()) {
            ++i;  // the trail byte may look like "\" but belongs to the character
            continue;
        }
        if (byte == '\\' || byte == '/')
            last = i;
    }
    return last;
}

std::string RenameTarget(const std::string& path, const std::string& extension, LeadBytePredicate isLeadByte)
{
    const size_t separator = LastSeparator(path, isLeadByte);
    const size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    // "." never occurs as the second byte of a double-byte character, so a plain search holds.
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart)
        return path + extension;
    return path.substr(0, dot + 1) + extension;
}

std::string MoveTarget(const std::string& directory, const std::string& path, LeadBytePredicate isLeadByte)
{
    const size_t separator = LastSeparator(path, isLeadByte);
    const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
    const bool endsInSeparator = !directory.empty() && LastSeparator(directory, isLeadByte) == directory.size() - 1;
    return endsInSeparator ? directory + name : directory + "\\" + name;
}

std::string RenameAndMoveTarget(const std::string& directory, const std::string& path, const std::string& extension,
    LeadBytePredicate isLeadByte)
{
    return MoveTarget(directory, RenameTarget(path, extension, isLeadByte), isLeadByte);
}

std::string NumberedName(const std::string& target, int digit, LeadBytePredicate isLeadByte)
{
    if (target.empty())
        return target;
    // The last character may be two bytes long: both give way to the digit.
    size_t last = 0;
    for (size_t i = 0; i < target.size(); ++i) {
        last = i;
        if (isLeadByte(static_cast<unsigned char>(target[i])) && i + 1 < target.size())
            ++i;
    }
    return target.substr(0, last) + static_cast<char>('0' + digit % 10);
}

bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace local_file_names
