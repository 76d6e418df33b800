// The ARJ compression methods: 1 to 3 (Huffman-coded LZ77 blocks) and 4 (fastest).
#pragma once

#include <cstdint>
#include <vector>

#include "extract_status.h"
#include "huffman_table.h"
#include "input_range.h"
#include "member_output.h"

namespace torpin {

class ArjDecoder {
public:
    ArjDecoder();

    // Decodes exactly size bytes of the given method from input into output.
    ExtractStatus decode(int method, InputRange& input, MemberOutput& output, std::uint64_t size);

private:
    ExtractStatus decodeHuffman(BitReader& bits, MemberOutput& output, std::uint64_t size);
    ExtractStatus decodeFastest(BitReader& bits, MemberOutput& output, std::uint64_t size);
    bool readLengthTable(BitReader& bits, HuffmanTable& table, int symbols, int countBits, int special);
    bool readLiteralTable(BitReader& bits);

    // Copies a back reference within the history; false when the buffer must first
    // be emptied into the output.
    bool flushIfFull(MemberOutput& output);
    bool finish(MemberOutput& output);

    HuffmanTable m_literals;
    HuffmanTable m_positions;
    HuffmanTable m_lengths;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_write = 0;
};

}  // namespace torpin
