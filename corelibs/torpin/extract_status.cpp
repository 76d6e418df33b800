// Readable names of the extraction results, for tests and diagnostics.
#include "extract_status.h"

namespace torpin {

const char* describe(ExtractStatus status)
{
    switch (status) {
    case ExtractStatus::Ok: return "ok";
    case ExtractStatus::NoMember: return "no member";
    case ExtractStatus::Limit: return "limit";
    case ExtractStatus::BadCrc: return "bad crc";
    case ExtractStatus::Corrupt: return "corrupt";
    case ExtractStatus::Unsupported: return "unsupported";
    case ExtractStatus::Encrypted: return "encrypted";
    case ExtractStatus::Overlap: return "overlap";
    case ExtractStatus::WriteFailed: return "write failed";
    }
    return "?";
}

}  // namespace torpin
