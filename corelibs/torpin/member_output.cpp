// Limit checks before a byte reaches the sink, so nothing past a limit is ever stored.
#include "member_output.h"

#include <zlib.h>

#include "archive_limits.h"

namespace torpin {

MemberOutput::MemberOutput(ByteSink& sink, std::uint64_t maxBytes, std::uint64_t packedSize)
    : m_sink(sink), m_maxBytes(maxBytes)
{
    // A packed size so large that the product overflows cannot limit anything.
    std::uint64_t byRatio = packedSize > UINT64_MAX / limits::kMaxRatio ? UINT64_MAX : packedSize * limits::kMaxRatio;
    m_ratioBytes = byRatio < limits::kRatioFloorBytes ? limits::kRatioFloorBytes : byRatio;
}

bool MemberOutput::write(const std::uint8_t* data, std::size_t n)
{
    if (m_status != ExtractStatus::Ok)
        return false;
    if (n > m_maxBytes - m_written || n > m_ratioBytes - m_written) {
        m_status = ExtractStatus::Limit;
        return false;
    }
    if (!m_sink.write(data, n)) {
        m_status = ExtractStatus::WriteFailed;
        return false;
    }
    // zlib counts in uInt; feed large blocks in pieces.
    std::size_t done = 0;
    while (done < n) {
        std::size_t piece = n - done > 0x40000000u ? 0x40000000u : n - done;
        m_crc = static_cast<std::uint32_t>(::crc32(m_crc, data + done, static_cast<uInt>(piece)));
        done += piece;
    }
    m_written += n;
    return true;
}

bool CopyStored(InputRange& input, MemberOutput& output)
{
    const std::uint8_t* data = nullptr;
    std::size_t n = 0;
    while (input.fill(data, n)) {
        if (!output.write(data, n))
            return false;
        input.consume(n);
    }
    return true;
}

}  // namespace torpin
