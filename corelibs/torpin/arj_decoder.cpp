// Both decoders write into one buffer that holds the last 64 KB before the new
// output, so every back reference is a plain index into it.
#include "arj_decoder.h"

#include <bit>
#include <cstring>

namespace torpin {
namespace {

constexpr std::size_t kHistory = 64 * 1024;
constexpr std::size_t kChunk = 256 * 1024;
constexpr std::size_t kMaxMatch = 256;

constexpr int kThreshold = 3;
constexpr int kLiteralSymbols = 255 + kMaxMatch + 2 - kThreshold;  // 510
constexpr int kPositionSymbols = 17;
constexpr int kLengthSymbols = 19;
constexpr int kLiteralCountBits = 9;
constexpr int kPositionCountBits = 5;
constexpr int kLengthCountBits = 5;

// Counts up to most leading 1 bits and uses them, with the 0 that ends a shorter run.
inline int leadingOnes(BitReader& bits, int most)
{
    std::uint16_t v = static_cast<std::uint16_t>(bits.peek(16));
    int ones = std::countl_one(v);
    if (ones >= most) {
        bits.skip(most);
        return most;
    }
    bits.skip(ones + 1);
    return ones;
}

// Copies a back reference; eight bytes at a time when the source lies at least eight
// bytes back, which may write up to seven scratch bytes past the end.
inline void copyMatch(std::uint8_t* to, std::size_t distance, std::size_t length)
{
    const std::uint8_t* from = to - distance;
    if (distance >= 8) {
        for (std::size_t i = 0; i < length; i += 8)
            std::memcpy(to + i, from + i, 8);
    } else {
        for (std::size_t i = 0; i < length; ++i)
            to[i] = from[i];
    }
}

// A table whose count is 0 stands for one symbol, which follows in the same number of bits.
bool readConstantTable(BitReader& bits, HuffmanTable& table, int symbols, int countBits)
{
    std::uint32_t only = bits.get(countBits);
    if (only >= static_cast<std::uint32_t>(symbols))
        return false;
    table.constant(static_cast<std::uint16_t>(only));
    return true;
}

}  // namespace

ArjDecoder::ArjDecoder() : m_literals(12), m_positions(8), m_lengths(8), m_buffer(kHistory + kChunk + kMaxMatch + 8)
{
}

bool ArjDecoder::flushIfFull(MemberOutput& output)
{
    if (m_write < kHistory + kChunk)
        return true;
    if (!output.write(m_buffer.data() + kHistory, m_write - kHistory))
        return false;
    std::memmove(m_buffer.data(), m_buffer.data() + m_write - kHistory, kHistory);
    m_write = kHistory;
    return true;
}

bool ArjDecoder::finish(MemberOutput& output)
{
    return m_write == kHistory || output.write(m_buffer.data() + kHistory, m_write - kHistory);
}

ExtractStatus ArjDecoder::decode(int method, InputRange& input, MemberOutput& output, std::uint64_t size)
{
    // References before the first byte read zeros rather than stale data.
    std::memset(m_buffer.data(), 0, kHistory);
    m_write = kHistory;
    BitReader bits(input);
    ExtractStatus status = method == 4 ? decodeFastest(bits, output, size) : decodeHuffman(bits, output, size);
    if (status != ExtractStatus::Ok)
        return status;
    return finish(output) ? ExtractStatus::Ok : output.status();
}

bool ArjDecoder::readLengthTable(BitReader& bits, HuffmanTable& table, int symbols, int countBits, int special)
{
    int n = static_cast<int>(bits.get(countBits));
    if (n == 0)
        return readConstantTable(bits, table, symbols, countBits);
    if (n > symbols)
        return false;
    std::uint8_t lengths[kLengthSymbols] = {};
    int i = 0;
    while (i < n) {
        std::uint32_t v = bits.peek(16);
        int c = static_cast<int>(v >> 13);
        if (c == 7) {
            // Lengths of 7 and more: one more for each further 1 bit, ended by a 0.
            for (std::uint32_t mask = 1u << 12; v & mask; mask >>= 1) {
                if (++c > 16)
                    return false;
            }
        }
        bits.skip(c < 7 ? 3 : c - 3);
        lengths[i++] = static_cast<std::uint8_t>(c);
        if (i == special) {
            int zeros = static_cast<int>(bits.get(2));
            if (i + zeros > symbols)
                return false;
            while (zeros-- > 0)
                lengths[i++] = 0;
        }
    }
    return table.build(lengths, symbols);
}

bool ArjDecoder::readLiteralTable(BitReader& bits)
{
    int n = static_cast<int>(bits.get(kLiteralCountBits));
    if (n == 0)
        return readConstantTable(bits, m_literals, kLiteralSymbols, kLiteralCountBits);
    if (n > kLiteralSymbols)
        return false;
    std::uint8_t lengths[kLiteralSymbols] = {};
    int i = 0;
    while (i < n) {
        int c = m_lengths.decode(bits);
        if (c < 0)
            return false;
        if (c <= 2) {
            int zeros = c == 0 ? 1
                : c == 1       ? static_cast<int>(bits.get(4)) + 3
                               : static_cast<int>(bits.get(kLiteralCountBits)) + 20;
            if (i + zeros > kLiteralSymbols)
                return false;
            while (zeros-- > 0)
                lengths[i++] = 0;
        } else {
            lengths[i++] = static_cast<std::uint8_t>(c - 2);
        }
    }
    return m_literals.build(lengths, kLiteralSymbols);
}

ExtractStatus ArjDecoder::decodeHuffman(BitReader& bits, MemberOutput& output, std::uint64_t size)
{
    std::uint64_t total = 0;
    std::uint32_t blockLeft = 0;
    std::uint8_t* buffer = m_buffer.data();
    while (total < size) {
        if (blockLeft == 0) {
            blockLeft = bits.get(16);
            if (blockLeft == 0)
                blockLeft = 0x10000;  // the count wraps like a 16-bit counter
            if (!readLengthTable(bits, m_lengths, kLengthSymbols, kLengthCountBits, 3) || !readLiteralTable(bits) ||
                !readLengthTable(bits, m_positions, kPositionSymbols, kPositionCountBits, -1))
                return ExtractStatus::Corrupt;
        }
        --blockLeft;
        int c = m_literals.decode(bits);
        if (c < 0)
            return ExtractStatus::Corrupt;
        if (c < 256) {
            buffer[m_write++] = static_cast<std::uint8_t>(c);
            ++total;
        } else {
            std::size_t length = static_cast<std::size_t>(c) - (256 - kThreshold);
            int p = m_positions.decode(bits);
            if (p < 0)
                return ExtractStatus::Corrupt;
            std::size_t distance = p == 0 ? 1 : (std::size_t {1} << (p - 1)) + bits.get(p - 1) + 1;
            if (length > size - total)
                length = static_cast<std::size_t>(size - total);
            copyMatch(buffer + m_write, distance, length);
            m_write += length;
            total += length;
        }
        if (bits.overrun())
            return ExtractStatus::Corrupt;
        if (!flushIfFull(output))
            return output.status();
    }
    return ExtractStatus::Ok;
}

ExtractStatus ArjDecoder::decodeFastest(BitReader& bits, MemberOutput& output, std::uint64_t size)
{
    std::uint64_t total = 0;
    std::uint8_t* buffer = m_buffer.data();
    while (total < size) {
        // A length code: up to 7 leading 1 bits (ended by a 0 below 7) select a range of
        // 2^n values starting at 2^n - 1, then n bits pick one.
        int width = leadingOnes(bits, 7);
        std::uint32_t c = bits.get(width) + ((1u << width) - 1);
        if (c == 0) {
            buffer[m_write++] = static_cast<std::uint8_t>(bits.get(8));
            ++total;
        } else {
            std::size_t length = c - 1 + kThreshold;
            // A position: up to 4 leading 1 bits, then 9 + n bits above 512 * (2^n - 1).
            int ones = leadingOnes(bits, 4);
            std::size_t distance = bits.get(9 + ones) + (512u << ones) - 512u + 1;
            if (length > size - total)
                length = static_cast<std::size_t>(size - total);
            copyMatch(buffer + m_write, distance, length);
            m_write += length;
            total += length;
        }
        if (bits.overrun())
            return ExtractStatus::Corrupt;
        if (!flushIfFull(output))
            return output.status();
    }
    return ExtractStatus::Ok;
}

}  // namespace torpin
