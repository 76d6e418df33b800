// LZSS over a 4096-byte window that starts filled with spaces, written at 0xFF0.
#include "szdd_decoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "input_range.h"
#include "little_endian.h"
#include "member_output.h"

namespace torpin {
namespace {

constexpr std::uint8_t kMagic[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
constexpr std::size_t kWindow = 4096;
constexpr std::size_t kStartPosition = kWindow - 16;
constexpr std::size_t kChunk = 256 * 1024;

constexpr std::size_t kGroupBytes = 1 + 8 * 2;  // a control byte and its eight items
constexpr std::size_t kGroupOutput = 8 * 18;

// Input kept in one buffer that always holds a whole group when the file has one, so
// the decoding loop needs no bounds check inside a group.
class GroupReader {
public:
    explicit GroupReader(InputRange& input) : m_input(input), m_buffer(64 * 1024 + kGroupBytes) { }

    // Bytes available from at(); refills so that a whole group is there when it can be.
    std::size_t available()
    {
        if (static_cast<std::size_t>(m_end - m_at) < kGroupBytes)
            refill();
        return static_cast<std::size_t>(m_end - m_at);
    }
    const std::uint8_t*& at() { return m_at; }

private:
    void refill()
    {
        std::size_t keep = static_cast<std::size_t>(m_end - m_at);
        if (keep > 0)
            std::memmove(m_buffer.data(), m_at, keep);
        std::size_t filled = keep;
        const std::uint8_t* data = nullptr;
        std::size_t n = 0;
        while (filled < m_buffer.size() && m_input.fill(data, n)) {
            std::size_t take = std::min(n, m_buffer.size() - filled);
            std::memcpy(m_buffer.data() + filled, data, take);
            m_input.consume(take);
            filled += take;
        }
        m_at = m_buffer.data();
        m_end = m_at + filled;
    }

    InputRange& m_input;
    std::vector<std::uint8_t> m_buffer;
    const std::uint8_t* m_at = nullptr;
    const std::uint8_t* m_end = nullptr;
};

}  // namespace

bool SzddDecoder::readHeader(ByteSource& source, SzddHeader& header)
{
    std::uint8_t head[kHeaderSize];
    if (!source.readExact(0, head, sizeof head))
        return false;
    if (std::memcmp(head, kMagic, sizeof kMagic) != 0 || head[8] != 'A')
        return false;
    header.missingChar = static_cast<char>(head[9]);
    header.size = le32(head + 10);
    return true;
}

std::string SzddDecoder::expandedName(const std::string& name, char missingChar)
{
    if (name.empty() || name.back() != '_')
        return name;
    const bool letterOrDigit = (missingChar >= 'a' && missingChar <= 'z') ||
        (missingChar >= 'A' && missingChar <= 'Z') || (missingChar >= '0' && missingChar <= '9');
    std::string out = name.substr(0, name.size() - 1);
    if (letterOrDigit)
        return out + missingChar;
    std::size_t dot = out.find_last_of('.');
    bool longExtension =
        dot != std::string::npos && out.find_first_of("/\\", dot) == std::string::npos && out.size() - dot - 1 >= 3;
    return longExtension ? out : name;
}

ExtractStatus SzddDecoder::expand(ByteSource& source, ByteSink& sink, std::uint64_t maxBytes)
{
    SzddHeader header;
    if (!readHeader(source, header))
        return ExtractStatus::Unsupported;
    if (header.size > maxBytes)
        return ExtractStatus::Limit;
    MemberOutput output(sink, maxBytes, source.size());
    InputRange input(source, kHeaderSize, source.size());
    GroupReader in(input);

    // History and new output in one buffer: the window's bytes sit right before the
    // bytes being written, so a back reference is a plain index.
    std::vector<std::uint8_t> buffer(kWindow + kChunk + kGroupOutput + 32);  // a match copies 18 bytes
    std::memset(buffer.data(), ' ', kWindow);
    std::size_t write = kWindow;
    std::uint64_t total = 0;
    const std::uint64_t declared = header.size;

    while (total < declared) {
        std::size_t left = in.available();
        if (left == 0)
            break;
        const std::uint8_t*& p = in.at();
        std::uint8_t* out = buffer.data() + write;
        std::uint8_t* const groupStart = out;
        bool whole = left >= kGroupBytes && declared - total >= kGroupOutput;
        const std::uint8_t* const end = p + left;
        unsigned control = *p++;
        for (int bit = 0; bit < 8; ++bit, control >>= 1) {
            if (!whole && (p == end || static_cast<std::uint64_t>(out - groupStart) + total >= declared))
                break;
            if (control & 1u) {
                *out++ = *p++;
                continue;
            }
            if (!whole && end - p < 2) {
                p = end;
                break;
            }
            std::size_t position = p[0] | ((p[1] & 0xF0u) << 4);
            std::size_t length = (p[1] & 0x0Fu) + 3;
            p += 2;
            std::size_t current =
                static_cast<std::size_t>((total + (out - groupStart) + kStartPosition) & (kWindow - 1));
            std::size_t distance = (current - position) & (kWindow - 1);
            if (distance == 0)
                distance = kWindow;
            const std::uint8_t* from = out - distance;
            if (distance >= 8) {
                std::memcpy(out, from, 8);
                std::memcpy(out + 8, from + 8, 8);
                std::memcpy(out + 16, from + 16, 2);
            } else {
                for (std::size_t i = 0; i < length; ++i)
                    out[i] = from[i];
            }
            out += length;
        }
        std::uint64_t produced = static_cast<std::uint64_t>(out - groupStart);
        // A last match may run past the declared size; the excess is not output.
        if (produced > declared - total)
            produced = declared - total;
        write += static_cast<std::size_t>(produced);
        total += produced;
        if (write >= kWindow + kChunk) {
            if (!output.write(buffer.data() + kWindow, write - kWindow))
                return output.status();
            std::memmove(buffer.data(), buffer.data() + write - kWindow, kWindow);
            write = kWindow;
        }
    }
    if (write > kWindow && !output.write(buffer.data() + kWindow, write - kWindow))
        return output.status();
    return total == declared ? ExtractStatus::Ok : ExtractStatus::Corrupt;
}

}  // namespace torpin
