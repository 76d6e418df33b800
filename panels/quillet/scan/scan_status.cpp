// Engine statuses as the job reads them.
#include "scan_status.h"

namespace scan_status {

FileVerdict OfFile(std::uint16_t status)
{
    if (status == 0)
        return FileVerdict::Clean;
    return (status & kNotScannedBits) ? FileVerdict::NotScanned : FileVerdict::Detection;
}

FileVerdict OfMember(std::uint16_t status)
{
    if (status == 0)
        return FileVerdict::Clean;
    return (status & kContainerNotScannedBits) ? FileVerdict::NotScanned : FileVerdict::Detection;
}

bool IsBootClean(std::uint16_t status)
{
    return status == 0 || status == 0x4010 || status == 0x4020;
}

bool IsCured(std::uint16_t status)
{
    return status == 0 || status == 1 || status == 7 || status == 8 || status == 257;
}

int CureResultOf(std::uint16_t status)
{
    if (IsCured(status))
        return kCured;
    if (status == 2)
        return kCannotCure;
    if (status == 3)
        return kDestructive;
    return kCureError;
}

}  // namespace scan_status
