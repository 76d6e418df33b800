// Drive letters of network connections in Wine's drive list. The mount manager keeps the
// letter as a link to "unc/SERVER/SHARE" inside the prefix's device folder, where the prefix
// links each server's shares to their folders; the platform's WNetGetConnection reads such a
// link back as "\\SERVER\SHARE".
#pragma once

#include <windows.h>

#include <string>

// 0, or 1200 when the mount manager refuses the letter.
DWORD MapNetworkDrive(const std::string& driveName, const std::string& server, const std::string& remoteName);
void UnmapNetworkDrive(const std::string& driveName);
