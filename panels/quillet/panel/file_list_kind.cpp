// The file list's kinds, decided as a scan would decide whether it looks at the file.
#include "file_list_kind.h"

FileListKind KindOfFile(const std::string& name, const FileKindRules& rules)
{
    const std::string extension = scan_rules::ExtensionOf(name);
    if (!extension.empty() && scan_rules::IsRenamedExtension(extension, rules.plain.renameExtension))
        return kFileNotListed;
    if (!extension.empty() && scan_rules::IsExecutableExtension(extension, rules.plain.executables))
        return kFileExecutable;
    if (rules.scanArchives && !extension.empty() && rules.archiveType) {
        const int type = rules.archiveType(name);
        if (type == 1 || type == 2 || type == 4)
            return kFileArchive;
    }
    if (rules.scanMailDatabases && rules.mailAgentConnected && !extension.empty() && rules.isMailDatabaseExtension &&
        rules.isMailDatabaseExtension(extension))
        return kFileMailDatabase;
    return rules.plain.executablesOnly ? kFileNotListed : kFilePlain;
}
