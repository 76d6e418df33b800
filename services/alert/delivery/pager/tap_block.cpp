// The alphanumeric paging protocol's checksum, field text and block encoder.
#include "tap_block.h"

#include <algorithm>

namespace tap {

std::string Checksum(std::string_view fromStxThroughEnd)
{
    unsigned sum = 0;
    for (const char c : fromStxThroughEnd)
        sum += static_cast<unsigned char>(c) & 0x7F;
    std::string digits(3, '0');
    digits[0] = static_cast<char>(0x30 + ((sum >> 8) & 0x0F));
    digits[1] = static_cast<char>(0x30 + ((sum >> 4) & 0x0F));
    digits[2] = static_cast<char>(0x30 + (sum & 0x0F));
    return digits;
}

std::string FieldText(std::string_view text)
{
    std::string field;
    field.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80)
            field += '?';
        else if (byte < 0x20 || byte == 0x7F)
            field += ' ';
        else
            field += c;
    }
    return field;
}

std::vector<std::string> EncodeBlocks(const std::vector<std::string>& fields, std::size_t maxBlock)
{
    // STX, the closing character, three checksum digits and CR surround every block's content.
    constexpr std::size_t kFraming = 6;
    const std::size_t room = maxBlock > kFraming ? maxBlock - kFraming : 1;
    std::string stream;
    for (const std::string& field : fields) {
        stream += field;
        stream += kCr;
    }
    std::vector<std::string> blocks;
    std::size_t at = 0;
    while (at < stream.size()) {
        const std::size_t take = std::min(room, stream.size() - at);
        const std::size_t end = at + take;
        // Fields never hold CR (see FieldText), so a CR before the cut is the end of a field.
        char close = kEtx;
        if (end < stream.size())
            close = stream[end - 1] == kCr ? kEtb : kUs;
        std::string block;
        block += kStx;
        block.append(stream, at, take);
        block += close;
        block += Checksum(block);
        block += kCr;
        blocks.push_back(block);
        at = end;
    }
    return blocks;
}

std::string Logon(std::string_view password)
{
    std::string logon;
    logon += kEsc;
    logon += "PG1";
    logon += FieldText(password);
    logon += kCr;
    return logon;
}

}  // namespace tap
