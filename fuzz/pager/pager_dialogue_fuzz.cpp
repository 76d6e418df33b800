// Fuzzes a whole pager call against a modem and terminal that answer arbitrary bytes, and the
// block encoder with arbitrary page text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "pager_dialogue.h"
#include "tap_block.h"

namespace {

// Answers each read with the next piece of the input (its length from one byte of it), then
// stays silent; its clock only moves on silence and pauses, so every wait of the call ends.
class FuzzedLine : public SerialLink {
public:
    explicit FuzzedLine(std::string_view input) : m_input(input) { }
    bool Write(std::string_view bytes) override
    {
        written += bytes.size();
        return true;
    }
    LinkRead Read(std::string& into, std::uint32_t timeoutMs) override
    {
        if (m_input.empty()) {
            m_now += timeoutMs;
            return LinkRead::Timeout;
        }
        const std::size_t take =
            std::min<std::size_t>(1 + static_cast<unsigned char>(m_input[0]) % 16, m_input.size() - 1);
        into.append(m_input.substr(1, take));
        m_input.remove_prefix(1 + take);
        return LinkRead::Data;
    }
    bool Pause(std::uint32_t ms) override
    {
        m_now += ms;
        return true;
    }
    std::uint64_t Milliseconds() override { return m_now; }

    std::size_t written = 0;

private:
    std::string_view m_input;
    std::uint64_t m_now = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    PagerCall call;
    call.alphanumeric = size > 0 && (data[0] & 1);
    call.number = "5550101";
    call.pagerId = "1234";
    call.message = tap::FieldText(input);
    call.digits = "05";
    FuzzedLine line(input);
    const PagerTiming timing;
    const PageResult result = PagerDialogue(line, timing).Place(call);
    if (result.Text().empty() && result.status != PageStatus::Delivered)
        __builtin_trap();
    // Every block of any text stays within the protocol's size, carries its own checksum and
    // gives back exactly the fields.
    std::string content;
    for (const std::string& block : tap::EncodeBlocks({call.pagerId, call.message})) {
        if (block.size() > tap::kMaxBlock || block.size() < 6)
            __builtin_trap();
        const std::size_t close = block.size() - 5;
        if (block.compare(close + 1, 3, tap::Checksum(std::string_view(block).substr(0, close + 1))) != 0)
            __builtin_trap();
        content.append(block, 1, close - 1);
    }
    if (content != call.pagerId + "\r" + call.message + "\r")
        __builtin_trap();
    return 0;
}
