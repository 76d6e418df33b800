// ZIP records written field by field from the format's published layout.
#include "zip_builder.h"

#include <zlib.h>

namespace torpin::test {

void put16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void put64(Bytes& out, std::uint64_t v)
{
    put32(out, static_cast<std::uint32_t>(v));
    put32(out, static_cast<std::uint32_t>(v >> 32));
}

std::uint32_t crcOf(const Bytes& data)
{
    return static_cast<std::uint32_t>(::crc32(0, data.data(), static_cast<uInt>(data.size())));
}

Bytes deflateRaw(const Bytes& data, int level)
{
    z_stream s {};
    deflateInit2(&s, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&s, static_cast<uLong>(data.size())));
    s.next_in = const_cast<Bytef*>(data.data());
    s.avail_in = static_cast<uInt>(data.size());
    s.next_out = out.data();
    s.avail_out = static_cast<uInt>(out.size());
    deflate(&s, Z_FINISH);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

std::size_t ZipBuilder::add(const ZipEntry& entry)
{
    Bytes packed = entry.deflate ? deflateRaw(entry.data) : entry.data;
    Record r {entry.name, static_cast<std::uint16_t>(entry.flags | (entry.descriptor ? 0x0008 : 0)),
        entry.method.value_or(entry.deflate ? 8 : 0), entry.crc.value_or(crcOf(entry.data)), packed.size(),
        entry.size.value_or(entry.data.size()), m_out.size(), entry.zip64};
    put32(m_out, 0x04034b50);
    put16(m_out, entry.zip64 ? 45 : 20);
    put16(m_out, r.flags);
    put16(m_out, r.method);
    put32(m_out, 0);  // time and date
    if (entry.descriptor) {
        put32(m_out, 0);
        put32(m_out, entry.zip64 ? 0xFFFFFFFF : 0);
        put32(m_out, entry.zip64 ? 0xFFFFFFFF : 0);
    } else {
        put32(m_out, r.crc);
        put32(m_out, entry.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.packed));
        put32(m_out, entry.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.size));
    }
    put16(m_out, static_cast<std::uint32_t>(entry.name.size()));
    put16(m_out, entry.zip64 ? 20 : 0);
    m_out.insert(m_out.end(), entry.name.begin(), entry.name.end());
    if (entry.zip64) {
        put16(m_out, 1);
        put16(m_out, 16);
        put64(m_out, entry.descriptor ? 0 : r.size);
        put64(m_out, entry.descriptor ? 0 : r.packed);
    }
    m_out.insert(m_out.end(), packed.begin(), packed.end());
    if (entry.descriptor) {
        put32(m_out, 0x08074b50);
        put32(m_out, r.crc);
        if (entry.zip64) {
            put64(m_out, r.packed);
            put64(m_out, r.size);
        } else {
            put32(m_out, static_cast<std::uint32_t>(r.packed));
            put32(m_out, static_cast<std::uint32_t>(r.size));
        }
    }
    m_records.push_back(r);
    m_directory.push_back(r);
    return m_records.size() - 1;
}

void ZipBuilder::raw(const Bytes& bytes)
{
    m_out.insert(m_out.end(), bytes.begin(), bytes.end());
}

void ZipBuilder::alias(std::size_t index, const std::string& name)
{
    Record r = m_records[index];
    r.name = name;
    m_directory.push_back(r);
}

void ZipBuilder::central(const std::string& name, std::uint64_t offset, const Bytes& data)
{
    m_directory.push_back(Record {name, 0, 0, crcOf(data), data.size(), data.size(), offset, false});
}

Bytes ZipBuilder::finish(bool zip64End)
{
    std::uint64_t dirStart = m_out.size();
    for (const Record& r : m_directory) {
        put32(m_out, 0x02014b50);
        put16(m_out, r.zip64 ? 45 : 20);
        put16(m_out, r.zip64 ? 45 : 20);
        put16(m_out, r.flags);
        put16(m_out, r.method);
        put32(m_out, 0);
        put32(m_out, r.crc);
        put32(m_out, r.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.packed));
        put32(m_out, r.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.size));
        put16(m_out, static_cast<std::uint32_t>(r.name.size()));
        put16(m_out, r.zip64 ? 28 : 0);
        put16(m_out, 0);  // comment
        put16(m_out, 0);  // disk
        put16(m_out, 0);
        put32(m_out, 0);
        put32(m_out, r.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.offset));
        m_out.insert(m_out.end(), r.name.begin(), r.name.end());
        if (r.zip64) {
            put16(m_out, 1);
            put16(m_out, 24);
            put64(m_out, r.size);
            put64(m_out, r.packed);
            put64(m_out, r.offset);
        }
    }
    std::uint64_t dirSize = m_out.size() - dirStart;
    std::uint64_t count = m_directory.size();
    if (zip64End) {
        std::uint64_t recordAt = m_out.size();
        put32(m_out, 0x06064b50);
        put64(m_out, 44);
        put16(m_out, 45);
        put16(m_out, 45);
        put32(m_out, 0);
        put32(m_out, 0);
        put64(m_out, count);
        put64(m_out, count);
        put64(m_out, dirSize);
        put64(m_out, dirStart);
        put32(m_out, 0x07064b50);
        put32(m_out, 0);
        put64(m_out, recordAt);
        put32(m_out, 1);
    }
    put32(m_out, 0x06054b50);
    put16(m_out, 0);
    put16(m_out, 0);
    put16(m_out, zip64End ? 0xFFFF : static_cast<std::uint32_t>(count));
    put16(m_out, zip64End ? 0xFFFF : static_cast<std::uint32_t>(count));
    put32(m_out, zip64End ? 0xFFFFFFFF : static_cast<std::uint32_t>(dirSize));
    put32(m_out, zip64End ? 0xFFFFFFFF : static_cast<std::uint32_t>(dirStart));
    put16(m_out, 0);
    return m_out;
}

}  // namespace torpin::test
