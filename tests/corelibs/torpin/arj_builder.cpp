// ARJ headers laid out field by field from the format's published description.
#include "arj_builder.h"

namespace torpin::test {
namespace {

Bytes basicHeader(std::uint8_t flags, std::uint8_t method, std::uint8_t type, std::uint32_t packed, std::uint32_t size,
    std::uint32_t crc, const std::string& name)
{
    Bytes b = {30, 11, 1, 2, flags, method, type, 0};
    put32(b, 0x5A8E0000);  // a DOS date and time
    put32(b, packed);
    put32(b, size);
    put32(b, crc);
    put16(b, 0);  // where the bare name starts within the stored path
    put16(b, 0x20);  // attributes
    put16(b, 0);  // host data
    b.insert(b.end(), name.begin(), name.end());
    b.push_back(0);
    b.push_back(0);  // empty comment
    return b;
}

}  // namespace

ArjBuilder::ArjBuilder()
{
    header(basicHeader(0, 0, 2, 0, 0, 0, "test.arj"));
}

void ArjBuilder::header(const Bytes& basic)
{
    m_out.push_back(0x60);
    m_out.push_back(0xEA);
    put16(m_out, static_cast<std::uint32_t>(basic.size()));
    m_out.insert(m_out.end(), basic.begin(), basic.end());
    put32(m_out, crcOf(basic));
    put16(m_out, 0);  // no extended header
}

void ArjBuilder::add(const ArjEntry& e)
{
    header(basicHeader(e.flags, e.method, e.type, static_cast<std::uint32_t>(e.data.size()),
        e.size.value_or(static_cast<std::uint32_t>(e.data.size())), e.crc.value_or(crcOf(e.data)), e.name));
    m_out.insert(m_out.end(), e.data.begin(), e.data.end());
}

Bytes ArjBuilder::finish()
{
    m_out.push_back(0x60);
    m_out.push_back(0xEA);
    put16(m_out, 0);
    return m_out;
}

std::vector<std::size_t> arjHeaders(const Bytes& a)
{
    std::vector<std::size_t> at;
    std::size_t pos = 0;
    while (pos + 4 <= a.size() && a[pos] == 0x60 && a[pos + 1] == 0xEA) {
        std::size_t size = a[pos + 2] | (a[pos + 3] << 8);
        if (size == 0)
            break;
        at.push_back(pos);
        std::size_t next = pos + 4 + size + 4;
        while (next + 2 <= a.size()) {
            std::size_t ext = a[next] | (a[next + 1] << 8);
            next += 2;
            if (ext == 0)
                break;
            next += ext + 4;
        }
        const std::uint8_t* b = a.data() + pos + 4;
        std::size_t packed =
            at.size() == 1 ? 0 : (b[12] | (b[13] << 8) | (b[14] << 16) | (static_cast<std::size_t>(b[15]) << 24));
        pos = next + packed;
    }
    return at;
}

void fixArjHeaderCrc(Bytes& a, std::size_t offset)
{
    std::size_t size = a[offset + 2] | (a[offset + 3] << 8);
    Bytes basic(a.begin() + static_cast<long>(offset + 4), a.begin() + static_cast<long>(offset + 4 + size));
    std::uint32_t crc = crcOf(basic);
    for (int i = 0; i < 4; ++i)
        a[offset + 4 + size + i] = static_cast<std::uint8_t>(crc >> (8 * i));
}

}  // namespace torpin::test
