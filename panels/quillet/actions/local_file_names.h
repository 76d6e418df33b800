// The names the file actions give an infected file: the renamed name, the name in the move
// folder, and the numbered names tried when a name is taken.
#pragma once

#include <string>

namespace local_file_names {

// Whether a byte opens a double-byte character in the code page of the names; a "\" that is
// the second byte of such a character is part of a name, not a separator.
using LeadBytePredicate = bool (*)(unsigned char byte);

// For single-byte code pages: no byte opens a double-byte character.
bool NoLeadBytes(unsigned char byte);

// Offset of the last "\" or "/" that separates names, std::string::npos for none.
size_t LastSeparator(const std::string& path, LeadBytePredicate isLeadByte);

// `path` with the text after the last "." of its name replaced by `extension`; a name without
// a "." gets the extension appended directly.
std::string RenameTarget(const std::string& path, const std::string& extension, LeadBytePredicate isLeadByte);

// `directory`, a "\" unless it already ends in a separator, and the name of `path`.
std::string MoveTarget(const std::string& directory, const std::string& path, LeadBytePredicate isLeadByte);

// The move target of the renamed name.
std::string RenameAndMoveTarget(const std::string& directory, const std::string& path, const std::string& extension,
    LeadBytePredicate isLeadByte);

// The name tried when `target` is taken: its last character replaced by the digit `digit`
// (0 to 9). An empty target stays empty.
std::string NumberedName(const std::string& target, int digit, LeadBytePredicate isLeadByte);

// Names compared as the file system compares them here: ASCII letters ignoring case.
bool SameName(const std::string& a, const std::string& b);

}  // namespace local_file_names
