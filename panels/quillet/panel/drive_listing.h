// What the tree and the file list read from the disks: the drives with their types and
// names, a folder's subfolders, and a folder's files.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DriveEntry {
    char letter;
    UINT type;  // DRIVE_REMOVABLE, DRIVE_FIXED, DRIVE_REMOTE, DRIVE_CDROM, DRIVE_RAMDISK
    std::string name;  // "A:", or "X: (\\SERVER\SHARE)" for a remote drive whose connection is known
};

// Every letter A to Z whose type is one the tree shows.
std::vector<DriveEntry> ListDrives();
// The drive's name: a remote drive's carries the remote name of its connection.
std::string DriveName(char letter, UINT type);
// The tree image of a drive type.
int DriveImage(UINT type);

struct FileEntry {
    std::string name;
    SYSTEMTIME modified;  // the last write, in local time
    long long size;  // -1 when the size does not fit in 32 bits
};

struct FolderListing {
    std::vector<std::string> folders;  // in name order, without "." and ".."
    std::vector<FileEntry> files;  // in the order found
    bool listed = false;  // false when the path is too long or cannot be searched
};

// Folders longer than 255 characters are not listed. `withFiles` false reads only the folders.
FolderListing ListFolder(const std::string& path, bool withFiles);
