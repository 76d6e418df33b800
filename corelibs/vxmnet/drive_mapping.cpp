// Defining and removing network drive letters through Wine's mount manager.
#include "drive_mapping.h"

#include <winioctl.h>

#include <cstring>
#include <vector>

#include "net_path.h"

namespace {

// Wine's mount manager extension (its ddk/mountmgr.h): a drive letter with its device type and
// the Unix path it stands for.
struct MountManagerDrive {
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};

const DWORD kMountManagerType = 0x0000006D;  // 'm'
const DWORD kDefineUnixDrive = CTL_CODE(kMountManagerType, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
const wchar_t kMountManager[] = L"\\\\.\\MountPointManager";

bool DefineDrive(char letter, DWORD type, const std::string& mountPoint)
{
    std::vector<BYTE> request(sizeof(MountManagerDrive) + mountPoint.size() + 1, 0);
    auto* drive = reinterpret_cast<MountManagerDrive*>(request.data());
    drive->size = static_cast<ULONG>(request.size());
    drive->type = type;
    drive->letter = static_cast<WCHAR>(letter);
    if (!mountPoint.empty()) {
        drive->mountPointOffset = sizeof(MountManagerDrive);
        std::memcpy(request.data() + sizeof(MountManagerDrive), mountPoint.c_str(), mountPoint.size() + 1);
    }
    HANDLE manager = CreateFileW(kMountManager, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE)
        return false;
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(
        manager, kDefineUnixDrive, request.data(), static_cast<DWORD>(request.size()), nullptr, 0, &returned, nullptr);
    CloseHandle(manager);
    return ok != FALSE;
}

}  // namespace

DWORD MapNetworkDrive(const std::string& driveName, const std::string& server, const std::string& remoteName)
{
    const std::optional<NetPath> path = NetPath::Parse(remoteName);
    if (driveName.empty() || !path)
        return ERROR_BAD_DEVICE;
    // Relative to the device folder, so that the link leads through the prefix's UNC links.
    const std::string mountPoint = "unc/" + server + "/" + path->share;
    return DefineDrive(static_cast<char>(driveName[0] | 0x20), DRIVE_REMOTE, mountPoint) ? ERROR_SUCCESS
                                                                                         : ERROR_BAD_DEVICE;
}

void UnmapNetworkDrive(const std::string& driveName)
{
    if (!driveName.empty())
        DefineDrive(static_cast<char>(driveName[0] | 0x20), DRIVE_NO_ROOT_DIR, {});
}
