// The "ScanOptions" section of VEXOMAR.INI: how LocalScanOptions is read from and written to it.
#pragma once

#include <optional>
#include <string>

#include "local_scan_options.h"

extern const char kScanOptionsSection[];  // "ScanOptions"
extern const char kDefaultExecutableExtensions[];
extern const char kDefaultArchiveExtensions[];
extern const char kDefaultMailDatabaseExtensions[];

// One section of a profile file: the reader and writer see only keys and their texts.
class ProfileSection {
public:
    virtual ~ProfileSection() = default;
    // The key's text, or nothing when the key is not in the section.
    virtual std::optional<std::string> Read(const char* key) const = 0;
    virtual bool Write(const char* key, const std::string& value) = 0;
};

// Every key of the section in its reading order, each missing or non-numeric one at its default.
// The move directory is not kept in the file and is left as it is.
void LoadScanOptions(const ProfileSection& section, LocalScanOptions& options);
// Every persisted key in its writing order; false when any write failed (the rest are still written).
bool SaveScanOptions(const LocalScanOptions& options, ProfileSection& section);

// A profile integer: optional blanks, an optional sign and decimal digits, nothing else but trailing
// blanks, within 32 bits. Anything else is not a number.
std::optional<int> ParseProfileInteger(const std::string& text);

// "*"-separated extensions: empty pieces skipped, each cut to three characters, at most twenty taken.
// The list is zero-filled first; returns the number stored.
int ParseExtensionList(const std::string& text, ExtensionList& list);
// The first `count` entries (at most twenty, stopping at an empty one), each followed by "*".
std::string FormatExtensionList(const ExtensionList& list, int count);

// Copies at most three characters into a four-character field, NUL-terminated and zero-padded.
void StoreExtension(const std::string& text, char (&field)[kExtensionSize]);

// The folder infected files are moved to: the module's folder (its path without the last "\" and what
// follows) and "\VIRUS". Nothing when it would not fit the record's field.
std::optional<std::string> MoveDirectoryForModule(const std::string& modulePath);
