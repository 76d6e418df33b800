// Why a member was or was not written out.
#pragma once

namespace torpin {

// The numbers are the ones GetLastExtractStatus hands to the caller; keep them.
enum class ExtractStatus {
    Ok = 0,
    NoMember = 1,  // no member is current (before the first, after the end, no walk)
    Limit = 2,  // a size, ratio or total limit would have been passed
    BadCrc = 3,  // decoded completely, but the check value differs
    Corrupt = 4,  // the stream or its header cannot be decoded
    Unsupported = 5,  // a method this library does not decode
    Encrypted = 6,  // listed, never decoded
    Overlap = 7,  // its data lies inside a member already written out
    WriteFailed = 8,  // the temporary file could not be created or written
};

const char* describe(ExtractStatus status);

}  // namespace torpin
