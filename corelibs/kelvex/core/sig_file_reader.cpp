// SigFileReader: validation and decoding of VIRSIG.DAT.
#include "sig_file_reader.h"

#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "version_values.h"

namespace kelvex {
namespace {

uint16_t Get16(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}
uint32_t Get32(const uint8_t* p)
{
    return uint32_t(Get16(p)) | uint32_t(Get16(p + 2)) << 16;
}

uint32_t Crc(const uint8_t* p, size_t n)
{
    return uint32_t(crc32(0, p, uInt(n)));
}

bool CureFromRecord(const uint8_t* r, const std::string& data, CureSpec& cure)
{
    if (r[10] > uint8_t(CureMethod::Destructive) || r[12] > 1)
        return false;
    cure.method = CureMethod(r[10]);
    cure.fill = r[11];
    cure.hasTruncate = r[12] == 1;
    cure.offset = int32_t(Get32(r + 32));
    cure.length = Get32(r + 36);
    cure.truncateDelta = int32_t(Get32(r + 40));
    cure.data = data;
    return true;
}

}  // namespace

LoadStatus SigFileReader::Parse(const std::string& bytes, SignatureSet& out)
{
    out = SignatureSet {};
    const uint8_t* h = reinterpret_cast<const uint8_t*>(bytes.data());
    if (bytes.size() < kSigHeaderSize || std::memcmp(h, kSigMagic, sizeof kSigMagic) != 0)
        return kLoadBadFormat;
    if (Crc(h, kSigHeaderSize - 4) != Get32(h + kSigHeaderSize - 4))
        return kLoadBadFormat;
    if (Get16(h + 8) != kSigFormatVersion || Get16(h + 10) != kSigHeaderSize)
        return kLoadBadFormat;
    const uint32_t bodyCount = Get32(h + 20), hashCount = Get32(h + 24), payloadSize = Get32(h + 28);
    if (payloadSize != bytes.size() - kSigHeaderSize)
        return kLoadBadFormat;
    const uint8_t* payload = h + kSigHeaderSize;
    if (Crc(payload, payloadSize) != Get32(h + 32))
        return kLoadBadFormat;
    out.versions = {Get16(h + 12), Get16(h + 14), Get16(h + 16), Get16(h + 18)};
    if (out.versions.engineVersion > kEngineVersion)
        return kLoadNeedsNewerEngine;

    // Counts bound nothing here: every record is checked against the payload's end.
    size_t at = 0;
    while (at < payloadSize) {
        if (payloadSize - at < kSigRecordHead)
            return kLoadBadFormat;
        const uint8_t* r = payload + at;
        const uint32_t size = Get32(r);
        const size_t nameLen = Get16(r + 14), bodyLen = Get16(r + 44), dataLen = Get16(r + 46);
        if (size != kSigRecordHead + nameLen + bodyLen + dataLen || size > payloadSize - at || nameLen == 0)
            return kLoadBadFormat;
        const char* text = reinterpret_cast<const char*>(r + kSigRecordHead);
        std::string name(text, nameLen), body(text + nameLen, bodyLen), data(text + nameLen + bodyLen, dataLen);
        if (r[4] == kRecordBody) {
            BodySignature b;
            if (r[5] > uint8_t(AnchorKind::FromEnd))
                return kLoadBadFormat;
            b.anchor = AnchorKind(r[5]);
            b.id = Get16(r + 6);
            b.flags = Get16(r + 8);
            b.name = std::move(name);
            b.anchorOffset = Get32(r + 16);
            b.anchorWindow = Get32(r + 20);
            b.minSize = Get32(r + 24);
            b.maxSize = Get32(r + 28);
            b.hex = std::move(body);
            std::string why;
            if (!CureFromRecord(r, data, b.cure) || !ParseHexPattern(b.hex, b.pattern, why))
                return kLoadBadFormat;
            out.bodies.push_back(std::move(b));
        } else if (r[4] == kRecordHash && bodyLen == 16) {
            HashSignature s;
            s.id = Get16(r + 6);
            s.flags = Get16(r + 8);
            s.name = std::move(name);
            s.size = Get32(r + 16);
            std::memcpy(s.md5.data(), body.data(), 16);
            if (!CureFromRecord(r, data, s.cure))
                return kLoadBadFormat;
            out.hashes.push_back(std::move(s));
        } else {
            return kLoadBadFormat;
        }
        at += size;
    }
    if (out.bodies.size() != bodyCount || out.hashes.size() != hashCount)
        return kLoadBadFormat;
    return kLoadOk;
}

LoadStatus SigFileReader::ReadFile(const std::string& path, SignatureSet& out, size_t maxBytes)
{
    out = SignatureSet {};
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return kLoadNotOpened;
    LoadStatus status = kLoadOk;
    try {
        std::string bytes;
        char chunk[65536];
        size_t got;
        bool tooLarge = false;
        while (!tooLarge && (got = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
            tooLarge = got > maxBytes - bytes.size();
            if (!tooLarge)
                bytes.append(chunk, got);
        }
        if (tooLarge)
            status = kLoadBadFormat;
        else if (std::ferror(f))
            status = kLoadReadError;
        else
            status = Parse(bytes, out);
    } catch (const std::bad_alloc&) {
        status = kLoadOutOfMemory;
    }
    std::fclose(f);
    return status;
}

}  // namespace kelvex
