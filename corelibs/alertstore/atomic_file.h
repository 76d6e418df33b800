// Whole-file reads and replacements that never leave a half-written file behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Writes the bytes to a new file beside the target and then puts it in the target's place,
// so a reader or a crash sees either the old content or the new one.
bool ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Reads a whole file; nothing when it does not open or is larger than the limit.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t limit);

bool FileExists(const std::string& path);

// Creates the folder and any missing parents; true when it exists afterwards.
bool EnsureFolder(const std::string& path);
