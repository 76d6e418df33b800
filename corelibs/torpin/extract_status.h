// Why a member was or was not written out.
#pragma once

namespace torpin {

enum class ExtractStatus {
    Ok,
    Limit,        // a size, ratio or total limit would have been passed
    BadCrc,       // decoded completely, but the check value differs
    Corrupt,      // the stream or its header cannot be decoded
    Unsupported,  // a method this library does not decode
    Encrypted,    // listed, never decoded
    Overlap,      // its data lies inside a member already written out
    WriteFailed,  // the temporary file could not be created or written
};

const char* describe(ExtractStatus status);

}  // namespace torpin
