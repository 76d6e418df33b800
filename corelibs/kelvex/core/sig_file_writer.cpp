// SigFileWriter: header, records and the two checksums of VIRSIG.DAT.
#include "sig_file_writer.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>

#include "sig_file_format.h"

namespace kelvex {
namespace {

void Put16(std::string& s, uint16_t v)
{
    s.push_back(char(v));
    s.push_back(char(v >> 8));
}
void Put32(std::string& s, uint32_t v)
{
    Put16(s, uint16_t(v));
    Put16(s, uint16_t(v >> 16));
}
void Set32(std::string& s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + i] = char(v >> (8 * i));
}

bool Record(std::string& out, uint8_t kind, uint16_t id, uint16_t flags, const std::string& name, uint8_t anchor,
    const uint32_t sizes[4], const std::string& body, const CureSpec& cure, std::string& error)
{
    if (name.empty() || name.size() > 65535 || body.size() > 65535 || cure.data.size() > 65535) {
        error = "signature \"" + name + "\": name, pattern or cure data too long";
        return false;
    }
    const size_t start = out.size();
    Put32(out, 0);
    out.push_back(char(kind));
    out.push_back(char(anchor));
    Put16(out, id);
    Put16(out, flags);
    out.push_back(char(cure.method));
    out.push_back(char(cure.fill));
    out.push_back(char(cure.hasTruncate ? 1 : 0));
    out.push_back(0);
    Put16(out, uint16_t(name.size()));
    for (int i = 0; i < 4; ++i)
        Put32(out, sizes[i]);
    Put32(out, uint32_t(int32_t(cure.offset)));
    Put32(out, cure.length);
    Put32(out, uint32_t(int32_t(cure.truncateDelta)));
    Put16(out, uint16_t(body.size()));
    Put16(out, uint16_t(cure.data.size()));
    out += name;
    out += body;
    out += cure.data;
    Set32(out, start, uint32_t(out.size() - start));
    return true;
}

}  // namespace

bool SigFileWriter::Serialize(const SignatureSet& set, std::string& out, std::string& error)
{
    std::string payload;
    for (const BodySignature& b : set.bodies) {
        const uint32_t sizes[4] = {b.anchorOffset, b.anchorWindow, b.minSize, b.maxSize};
        if (!Record(payload, kRecordBody, b.id, b.flags, b.name, uint8_t(b.anchor), sizes, b.hex, b.cure, error))
            return false;
    }
    for (const HashSignature& h : set.hashes) {
        const uint32_t sizes[4] = {h.size, 0, 0, 0};
        const std::string md5(reinterpret_cast<const char*>(h.md5.data()), h.md5.size());
        if (!Record(payload, kRecordHash, h.id, h.flags, h.name, 0, sizes, md5, h.cure, error))
            return false;
    }
    out.assign(kSigMagic, sizeof kSigMagic);
    Put16(out, kSigFormatVersion);
    Put16(out, uint16_t(kSigHeaderSize));
    Put16(out, set.versions.engineVersion);
    Put16(out, set.versions.signatureVersion);
    Put16(out, set.versions.engineDate);
    Put16(out, set.versions.signatureDate);
    Put32(out, uint32_t(set.bodies.size()));
    Put32(out, uint32_t(set.hashes.size()));
    Put32(out, uint32_t(payload.size()));
    Put32(out, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(payload.data()), uInt(payload.size()))));
    out.resize(kSigHeaderSize - 4, 0);
    Put32(out, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(out.data()), uInt(out.size()))));
    out += payload;
    return true;
}

bool SigFileWriter::WriteFile(const SignatureSet& set, const std::string& path, std::string& error)
{
    std::string bytes;
    if (!Serialize(set, bytes, error))
        return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        error = "cannot create " + path;
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !ok) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace kelvex
