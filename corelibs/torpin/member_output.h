// The gate every decoded byte passes: size and ratio limits, CRC-32, the sink.
#pragma once

#include <cstddef>
#include <cstdint>

#include "byte_sink.h"
#include "extract_status.h"
#include "input_range.h"

namespace torpin {

class MemberOutput {
public:
    // maxBytes bounds this member's output; packedSize is what the member occupies in
    // the archive, for the ratio limit.
    MemberOutput(ByteSink& sink, std::uint64_t maxBytes, std::uint64_t packedSize);

    // False once a limit is passed or the sink fails; status() then says which.
    bool write(const std::uint8_t* data, std::size_t n);

    std::uint64_t written() const { return m_written; }
    std::uint32_t crc() const { return m_crc; }
    ExtractStatus status() const { return m_status; }

private:
    ByteSink& m_sink;
    std::uint64_t m_maxBytes;
    std::uint64_t m_ratioBytes;
    std::uint64_t m_written = 0;
    std::uint32_t m_crc = 0;
    ExtractStatus m_status = ExtractStatus::Ok;
};

// Passes a stored member's bytes through unchanged, to the end of its range; false when the
// output refused them (its status says why).
bool CopyStored(InputRange& input, MemberOutput& output);

}  // namespace torpin
