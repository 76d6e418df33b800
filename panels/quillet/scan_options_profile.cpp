// The "ScanOptions" reader and writer: key order, defaults, the extension lists and their limits.
#include "scan_options_profile.h"

#include <algorithm>
#include <cstring>
#include <iterator>

const char kScanOptionsSection[] = "ScanOptions";
const char kDefaultExecutableExtensions[] = "APP*BIN*COM*DLL*DOT*DOC*DRV*EXE*OVL*OVR*PRG*SYS*VXD*";
const char kDefaultArchiveExtensions[] = "ZIP*ARJ";
const char kDefaultMailDatabaseExtensions[] = "NSF*NTF";

namespace {

using IntegerField = std::int32_t LocalScanOptions::*;

struct IntegerKey {
    const char* key;
    IntegerField field;
    int defaultValue;
};

// Reading order of the integer keys.
const IntegerKey kReadOrder[] = {
    {"ScanExeOnly", &LocalScanOptions::executablesOnly, 0},
    {"ScanArchives", &LocalScanOptions::scanArchives, 1},
    {"ScanLotusDatabases", &LocalScanOptions::scanMailDatabases, 1},
    {"ScanBoot", &LocalScanOptions::scanBootSector, 1},
    {"ScanFiles", &LocalScanOptions::scanFiles, 1},
    {"IncrementalScan", &LocalScanOptions::incrementalScan, 0},
    {"NotifyOwner", &LocalScanOptions::notifyOwner, 1},
    {"NotifySender", &LocalScanOptions::notifySender, 0},
    {"bNotifyAdministrator", &LocalScanOptions::notifyAdministrator, 0},
    {"bAttachInfoFile", &LocalScanOptions::attachInfoFile, 1},
    {"ScanAfter", &LocalScanOptions::scanAfter, 0},
    {"InfctAct", &LocalScanOptions::infectionAction, 0},
    {"ScanMode", &LocalScanOptions::scanMode, 1},
    {"AutoDisplay", &LocalScanOptions::autoDisplay, 1},
    {"Interactive", &LocalScanOptions::interactive, 1},
    {"BeepOnDetect", &LocalScanOptions::beepOnDetect, 1},
};

// Writing order of the integer keys: the same keys, a different order.
const IntegerField kWriteOrder[] = {
    &LocalScanOptions::interactive,
    &LocalScanOptions::beepOnDetect,
    &LocalScanOptions::executablesOnly,
    &LocalScanOptions::scanArchives,
    &LocalScanOptions::scanMailDatabases,
    &LocalScanOptions::scanBootSector,
    &LocalScanOptions::scanFiles,
    &LocalScanOptions::infectionAction,
    &LocalScanOptions::scanMode,
    &LocalScanOptions::autoDisplay,
    &LocalScanOptions::incrementalScan,
    &LocalScanOptions::notifyOwner,
    &LocalScanOptions::notifySender,
    &LocalScanOptions::notifyAdministrator,
    &LocalScanOptions::attachInfoFile,
    &LocalScanOptions::scanAfter,
};
static_assert(std::size(kReadOrder) == std::size(kWriteOrder));

const char* KeyOf(IntegerField field)
{
    for (const IntegerKey& k : kReadOrder) {
        if (k.field == field)
            return k.key;
    }
    return nullptr;
}

struct ListKey {
    const char* key;
    ExtensionList LocalScanOptions::*list;
    std::int32_t LocalScanOptions::*count;
    const char* defaultText;
};

const ListKey kLists[] = {
    {"ExtName", &LocalScanOptions::executableExtensions, &LocalScanOptions::executableCount,
        kDefaultExecutableExtensions},
    {"ArcExtName", &LocalScanOptions::archiveExtensions, &LocalScanOptions::archiveCount, kDefaultArchiveExtensions},
    {"LotusNotesExtName", &LocalScanOptions::mailDatabaseExtensions, &LocalScanOptions::mailDatabaseCount,
        kDefaultMailDatabaseExtensions},
};

const char kRenameKey[] = "ReNameExt";
const char kDefaultRenameExtension[] = "AVB";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<int> ParseProfileInteger(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    const size_t digitsStart = i;
    long long value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            return std::nullopt;
        ++i;
    }
    if (i == digitsStart)
        return std::nullopt;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(value);
}

void StoreExtension(const std::string& text, char (&field)[kExtensionSize])
{
    std::memset(field, 0, sizeof field);
    // The field is a C string: what stands after a NUL would never be read back.
    const size_t length = std::min({text.size(), text.find('\0'), static_cast<size_t>(kExtensionSize - 1)});
    std::memcpy(field, text.data(), length);
}

int ParseExtensionList(const std::string& text, ExtensionList& list)
{
    std::memset(list, 0, sizeof list);
    int count = 0;
    size_t start = 0;
    while (start <= text.size() && count < kExtensionListCapacity) {
        size_t end = text.find('*', start);
        if (end == std::string::npos)
            end = text.size();
        // An empty piece (or one that a NUL empties) makes no entry: the list ends at its first empty one.
        if (end > start && text[start] != '\0')
            StoreExtension(text.substr(start, end - start), list[count++]);
        start = end + 1;
    }
    return count;
}

std::string FormatExtensionList(const ExtensionList& list, int count)
{
    std::string text;
    for (int i = 0; i < count && i < kExtensionListCapacity && list[i][0] != '\0'; ++i) {
        text.append(list[i], strnlen(list[i], kExtensionSize));
        text += '*';
    }
    return text;
}

void LoadScanOptions(const ProfileSection& section, LocalScanOptions& options)
{
    for (const IntegerKey& k : kReadOrder) {
        std::optional<int> value;
        if (const std::optional<std::string> text = section.Read(k.key))
            value = ParseProfileInteger(*text);
        options.*k.field = value ? *value : k.defaultValue;
    }
    StoreExtension(section.Read(kRenameKey).value_or(kDefaultRenameExtension), options.renameExtension);
    for (const ListKey& k : kLists)
        options.*k.count = ParseExtensionList(section.Read(k.key).value_or(k.defaultText), options.*k.list);
}

bool SaveScanOptions(const LocalScanOptions& options, ProfileSection& section)
{
    bool allWritten = true;
    for (const IntegerField field : kWriteOrder)
        allWritten &= section.Write(KeyOf(field), std::to_string(options.*field));
    for (const ListKey& k : kLists)
        allWritten &= section.Write(k.key, FormatExtensionList(options.*k.list, options.*k.count));
    allWritten &= section.Write(
        kRenameKey, std::string(options.renameExtension, strnlen(options.renameExtension, kExtensionSize)));
    return allWritten;
}

std::optional<std::string> MoveDirectoryForModule(const std::string& modulePath)
{
    const size_t slash = modulePath.find_last_of('\\');
    std::string directory = slash == std::string::npos ? std::string() : modulePath.substr(0, slash);
    directory += "\\VIRUS";
    if (directory.size() >= kScanOptionsPathSize)
        return std::nullopt;
    return directory;
}
