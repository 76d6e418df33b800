// Decodes raw deflate streams with zlib, into a member's output gate.
#pragma once

#include <cstdint>
#include <vector>

#include <zlib.h>

#include "extract_status.h"
#include "input_range.h"
#include "member_output.h"

namespace torpin {

class RawInflater {
public:
    RawInflater();
    ~RawInflater();
    RawInflater(const RawInflater&) = delete;
    RawInflater& operator=(const RawInflater&) = delete;

    // Decodes one stream from input until its final block; a stream that needs more
    // input than the range holds is corrupt. With a dictionary, back references may
    // reach into it (the format of one block continuing the last).
    ExtractStatus run(InputRange& input, MemberOutput& output, const std::uint8_t* dictionary = nullptr,
        std::size_t dictionarySize = 0);

private:
    z_stream m_stream {};
    bool m_ready = false;
    std::vector<std::uint8_t> m_out;
};

}  // namespace torpin
