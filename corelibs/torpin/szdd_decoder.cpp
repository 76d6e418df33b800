// LZSS over a 4096-byte window that starts filled with spaces, written at 0xFF0.
#include "szdd_decoder.h"

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

// Byte-wise reading with the buffer refilled only when it runs dry.
class ByteReader {
public:
    explicit ByteReader(InputRange& input) : input_(input) {}
    bool get(std::uint8_t& b) {
        if (at_ == end_ && !refill()) return false;
        b = *at_++;
        return true;
    }

private:
    bool refill() {
        input_.consume(consumed_);
        std::size_t n = 0;
        if (!input_.fill(at_, n)) return false;
        end_ = at_ + n;
        consumed_ = n;
        return true;
    }
    InputRange& input_;
    const std::uint8_t* at_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    std::size_t consumed_ = 0;
};

}  // namespace

bool SzddDecoder::readHeader(ByteSource& source, SzddHeader& header) {
    std::uint8_t head[kHeaderSize];
    if (!source.readExact(0, head, sizeof head)) return false;
    if (std::memcmp(head, kMagic, sizeof kMagic) != 0 || head[8] != 'A') return false;
    header.missingChar = static_cast<char>(head[9]);
    header.size = le32(head + 10);
    return true;
}

std::string SzddDecoder::expandedName(const std::string& name, char missingChar) {
    if (name.empty() || name.back() != '_') return name;
    std::string out = name.substr(0, name.size() - 1);
    if (missingChar != 0) out += missingChar;
    return out;
}

ExtractStatus SzddDecoder::expand(ByteSource& source, ByteSink& sink, std::uint64_t maxBytes) {
    SzddHeader header;
    if (!readHeader(source, header)) return ExtractStatus::Unsupported;
    if (header.size > maxBytes) return ExtractStatus::Limit;
    MemberOutput output(sink, maxBytes, source.size());
    InputRange input(source, kHeaderSize, source.size());
    ByteReader in(input);

    // History and new output in one buffer: the window's bytes sit right before the
    // bytes being written, so a back reference is a plain index.
    std::vector<std::uint8_t> buffer(kWindow + kChunk + 8 * 18);
    std::memset(buffer.data(), ' ', kWindow);
    std::size_t write = kWindow;
    std::uint64_t total = 0;
    const std::uint64_t declared = header.size;

    std::uint8_t control = 0;
    while (total < declared) {
        if (!in.get(control)) break;
        for (int bit = 0; bit < 8 && total < declared; ++bit) {
            if (control & (1u << bit)) {
                std::uint8_t literal;
                if (!in.get(literal)) goto done;
                buffer[write++] = literal;
                ++total;
            } else {
                std::uint8_t low, high;
                if (!in.get(low) || !in.get(high)) goto done;
                std::size_t position = low | ((high & 0xF0u) << 4);
                std::size_t length = (high & 0x0Fu) + 3;
                std::size_t current = static_cast<std::size_t>((total + kStartPosition) & (kWindow - 1));
                std::size_t distance = (current - position) & (kWindow - 1);
                if (distance == 0) distance = kWindow;
                if (length > declared - total) length = static_cast<std::size_t>(declared - total);
                const std::uint8_t* from = buffer.data() + write - distance;
                std::uint8_t* to = buffer.data() + write;
                for (std::size_t i = 0; i < length; ++i) to[i] = from[i];
                write += length;
                total += length;
            }
        }
        if (write >= kWindow + kChunk) {
            if (!output.write(buffer.data() + kWindow, write - kWindow)) return output.status();
            std::memmove(buffer.data(), buffer.data() + write - kWindow, kWindow);
            write = kWindow;
        }
    }
done:
    if (write > kWindow && !output.write(buffer.data() + kWindow, write - kWindow)) return output.status();
    return total == declared ? ExtractStatus::Ok : ExtractStatus::Corrupt;
}

}  // namespace torpin
