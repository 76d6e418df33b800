// Limit checks before a byte reaches the sink, so nothing past a limit is ever stored.
#include "member_output.h"

#include <zlib.h>

#include "archive_limits.h"

namespace torpin {

MemberOutput::MemberOutput(ByteSink& sink, std::uint64_t maxBytes, std::uint64_t packedSize)
    : sink_(sink), maxBytes_(maxBytes) {
    // A packed size so large that the product overflows cannot limit anything.
    std::uint64_t byRatio = packedSize > UINT64_MAX / limits::kMaxRatio ? UINT64_MAX : packedSize * limits::kMaxRatio;
    ratioBytes_ = byRatio < limits::kRatioFloorBytes ? limits::kRatioFloorBytes : byRatio;
}

bool MemberOutput::write(const std::uint8_t* data, std::size_t n) {
    if (status_ != ExtractStatus::Ok) return false;
    if (n > maxBytes_ - written_ || n > ratioBytes_ - written_) {
        status_ = ExtractStatus::Limit;
        return false;
    }
    if (!sink_.write(data, n)) {
        status_ = ExtractStatus::WriteFailed;
        return false;
    }
    // zlib counts in uInt; feed large blocks in pieces.
    std::size_t done = 0;
    while (done < n) {
        std::size_t piece = n - done > 0x40000000u ? 0x40000000u : n - done;
        crc_ = static_cast<std::uint32_t>(::crc32(crc_, data + done, static_cast<uInt>(piece)));
        done += piece;
    }
    written_ += n;
    return true;
}

}  // namespace torpin
