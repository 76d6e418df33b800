// The drive list, the remote names of network drives and the "*.*" search of a folder.
#include "drive_listing.h"

#include <winnetwk.h>

#include <algorithm>

#include "scan_tree_node.h"

namespace {

constexpr size_t kLongestListedPath = 255;

bool IsShownType(UINT type)
{
    return type == DRIVE_REMOVABLE || type == DRIVE_FIXED || type == DRIVE_REMOTE || type == DRIVE_CDROM ||
        type == DRIVE_RAMDISK;
}

bool IsDots(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

std::string DriveName(char letter, UINT type)
{
    const std::string drive {letter, ':'};
    if (type != DRIVE_REMOTE)
        return drive;
    char remote[MAX_PATH] = {};
    DWORD size = sizeof remote;
    if (WNetGetConnectionA(drive.c_str(), remote, &size) != NO_ERROR || !remote[0])
        return drive;
    return drive + " (" + remote + ")";
}

std::vector<DriveEntry> ListDrives()
{
    std::vector<DriveEntry> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::string root {letter, ':', '\\'};
        const UINT type = GetDriveTypeA(root.c_str());
        if (IsShownType(type))
            drives.push_back({letter, type, DriveName(letter, type)});
    }
    return drives;
}

int DriveImage(UINT type)
{
    switch (type) {
    case DRIVE_REMOVABLE: return kImageRemovable;
    case DRIVE_FIXED: return kImageFixed;
    case DRIVE_REMOTE: return kImageRemote;
    case DRIVE_CDROM: return kImageCdRom;
    case DRIVE_RAMDISK: return kImageRamDisk;
    default: return kImageOtherDrive;
    }
}

FolderListing ListFolder(const std::string& path, bool withFiles)
{
    FolderListing listing;
    if (path.size() > kLongestListedPath)
        return listing;
    std::string pattern = path;
    if (pattern.empty() || (pattern.back() != '\\' && pattern.back() != '/'))
        pattern += '\\';
    pattern += "*.*";
    WIN32_FIND_DATAA found = {};
    HANDLE find = FindFirstFileExA(pattern.c_str(), FindExInfoStandard, &found,
        withFiles ? FindExSearchNameMatch : FindExSearchLimitToDirectories, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE)
        return listing;
    listing.listed = true;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!IsDots(found.cFileName))
                listing.folders.push_back(found.cFileName);
            continue;
        }
        if (!withFiles)
            continue;
        FileEntry entry;
        entry.name = found.cFileName;
        FILETIME local = {};
        FileTimeToLocalFileTime(&found.ftLastWriteTime, &local);
        FileTimeToSystemTime(&local, &entry.modified);
        entry.size = found.nFileSizeHigh ? -1 : static_cast<long long>(found.nFileSizeLow);
        listing.files.push_back(std::move(entry));
    } while (FindNextFileA(find, &found));
    FindClose(find);
    std::sort(listing.folders.begin(), listing.folders.end(),
        [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
    return listing;
}
