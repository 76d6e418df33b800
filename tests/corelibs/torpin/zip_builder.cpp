// ZIP records written field by field from the format's published layout.
#include "zip_builder.h"

#include <zlib.h>

namespace torpin::test {

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void put64(Bytes& out, std::uint64_t v) {
    put32(out, static_cast<std::uint32_t>(v));
    put32(out, static_cast<std::uint32_t>(v >> 32));
}

std::uint32_t crcOf(const Bytes& data) {
    return static_cast<std::uint32_t>(::crc32(0, data.data(), static_cast<uInt>(data.size())));
}

Bytes deflateRaw(const Bytes& data, int level) {
    z_stream s{};
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

std::size_t ZipBuilder::add(const ZipEntry& entry) {
    Bytes packed = entry.deflate ? deflateRaw(entry.data) : entry.data;
    Record r{entry.name,
             static_cast<std::uint16_t>(entry.flags | (entry.descriptor ? 0x0008 : 0)),
             entry.method.value_or(entry.deflate ? 8 : 0),
             entry.crc.value_or(crcOf(entry.data)),
             packed.size(),
             entry.size.value_or(entry.data.size()),
             out_.size(),
             entry.zip64};
    put32(out_, 0x04034b50);
    put16(out_, entry.zip64 ? 45 : 20);
    put16(out_, r.flags);
    put16(out_, r.method);
    put32(out_, 0);  // time and date
    if (entry.descriptor) {
        put32(out_, 0);
        put32(out_, entry.zip64 ? 0xFFFFFFFF : 0);
        put32(out_, entry.zip64 ? 0xFFFFFFFF : 0);
    } else {
        put32(out_, r.crc);
        put32(out_, entry.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.packed));
        put32(out_, entry.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.size));
    }
    put16(out_, static_cast<std::uint32_t>(entry.name.size()));
    put16(out_, entry.zip64 ? 20 : 0);
    out_.insert(out_.end(), entry.name.begin(), entry.name.end());
    if (entry.zip64) {
        put16(out_, 1);
        put16(out_, 16);
        put64(out_, entry.descriptor ? 0 : r.size);
        put64(out_, entry.descriptor ? 0 : r.packed);
    }
    out_.insert(out_.end(), packed.begin(), packed.end());
    if (entry.descriptor) {
        put32(out_, 0x08074b50);
        put32(out_, r.crc);
        if (entry.zip64) {
            put64(out_, r.packed);
            put64(out_, r.size);
        } else {
            put32(out_, static_cast<std::uint32_t>(r.packed));
            put32(out_, static_cast<std::uint32_t>(r.size));
        }
    }
    records_.push_back(r);
    directory_.push_back(r);
    return records_.size() - 1;
}

void ZipBuilder::raw(const Bytes& bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }

void ZipBuilder::alias(std::size_t index, const std::string& name) {
    Record r = records_[index];
    r.name = name;
    directory_.push_back(r);
}

void ZipBuilder::central(const std::string& name, std::uint64_t offset, const Bytes& data) {
    directory_.push_back(Record{name, 0, 0, crcOf(data), data.size(), data.size(), offset, false});
}

Bytes ZipBuilder::finish(bool zip64End) {
    std::uint64_t dirStart = out_.size();
    for (const Record& r : directory_) {
        put32(out_, 0x02014b50);
        put16(out_, r.zip64 ? 45 : 20);
        put16(out_, r.zip64 ? 45 : 20);
        put16(out_, r.flags);
        put16(out_, r.method);
        put32(out_, 0);
        put32(out_, r.crc);
        put32(out_, r.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.packed));
        put32(out_, r.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.size));
        put16(out_, static_cast<std::uint32_t>(r.name.size()));
        put16(out_, r.zip64 ? 28 : 0);
        put16(out_, 0);  // comment
        put16(out_, 0);  // disk
        put16(out_, 0);
        put32(out_, 0);
        put32(out_, r.zip64 ? 0xFFFFFFFF : static_cast<std::uint32_t>(r.offset));
        out_.insert(out_.end(), r.name.begin(), r.name.end());
        if (r.zip64) {
            put16(out_, 1);
            put16(out_, 24);
            put64(out_, r.size);
            put64(out_, r.packed);
            put64(out_, r.offset);
        }
    }
    std::uint64_t dirSize = out_.size() - dirStart;
    std::uint64_t count = directory_.size();
    if (zip64End) {
        std::uint64_t recordAt = out_.size();
        put32(out_, 0x06064b50);
        put64(out_, 44);
        put16(out_, 45);
        put16(out_, 45);
        put32(out_, 0);
        put32(out_, 0);
        put64(out_, count);
        put64(out_, count);
        put64(out_, dirSize);
        put64(out_, dirStart);
        put32(out_, 0x07064b50);
        put32(out_, 0);
        put64(out_, recordAt);
        put32(out_, 1);
    }
    put32(out_, 0x06054b50);
    put16(out_, 0);
    put16(out_, 0);
    put16(out_, zip64End ? 0xFFFF : static_cast<std::uint32_t>(count));
    put16(out_, zip64End ? 0xFFFF : static_cast<std::uint32_t>(count));
    put32(out_, zip64End ? 0xFFFFFFFF : static_cast<std::uint32_t>(dirSize));
    put32(out_, zip64End ? 0xFFFFFFFF : static_cast<std::uint32_t>(dirStart));
    put16(out_, 0);
    return out_;
}

}  // namespace torpin::test
