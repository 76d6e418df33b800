// The rules of the option record that the sheet and the scan job share.
#include "local_scan_options.h"

#include <cstring>

bool UsesRenameExtension(int action)
{
    return action == kActionRename || action == kActionRenameAndMove;
}

bool UsesMoveDirectory(int action)
{
    return action == kActionMove || action == kActionRenameAndMove;
}

bool IsValidRenameExtension(const std::string& text)
{
    if (text.empty() || text.size() > 3)
        return false;
    static const char* const kReserved[] = {"EXE", "COM", "DLL", "BAT", "INI", "OVL", "DAT", "IDX"};
    for (const char* reserved : kReserved) {
        if (text == reserved)
            return false;
    }
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u > 0x7E)
            return false;
        // "<" and ">" as well: no file system of the platform takes them in a name, so the rename would fail.
        if (std::strchr(" \"*+./:;<=>?\\|", c) != nullptr)
            return false;
    }
    return true;
}
