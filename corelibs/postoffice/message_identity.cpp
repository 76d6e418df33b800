// Message identities from the fields an attachment change never touches.
#include "message_identity.h"

#include <cstdio>

#include "text_codec.h"

namespace postoffice {
namespace {

std::uint64_t Fnv1a64(std::string_view bytes, std::uint64_t basis)
{
    std::uint64_t hash = basis;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001B3ull;
    }
    return hash;
}

std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

bool IsMimeField(std::string_view name)
{
    return (name.size() >= 8 && EqualsIgnoreCase(name.substr(0, 8), "Content-")) ||
        EqualsIgnoreCase(name, "MIME-Version");
}

}  // namespace

MessageIdentity Digest128(std::string_view bytes)
{
    std::uint64_t a = Mix(Fnv1a64(bytes, 0xCBF29CE484222325ull));
    std::uint64_t b = Mix(Fnv1a64(bytes, 0x84222325CBF29CE4ull) ^ bytes.size());
    MessageIdentity identity {};
    for (int i = 0; i < 8; ++i) {
        identity[i] = static_cast<std::uint8_t>(a >> (8 * i));
        identity[8 + i] = static_cast<std::uint8_t>(b >> (8 * i));
    }
    return identity;
}

MessageIdentity HeaderDigestOf(std::string_view content, const MimeMessage& parsed)
{
    std::string material;
    if (parsed.parts.empty() || !parsed.Header().withinLimits) {
        material = "raw:";
        material.append(content.substr(0, 65536));
    } else {
        material = "fields:";
        for (const HeaderField& field : parsed.Header().fields) {
            if (IsMimeField(field.name))
                continue;
            material += ToLower(field.name);
            material += ':';
            material += field.value;
            material += '\n';
        }
    }
    return Digest128(material);
}

MessageIdentity IdentityOf(std::string_view content, const MimeMessage& parsed, std::uint32_t earlierCopies)
{
    MessageIdentity identity = HeaderDigestOf(content, parsed);
    if (earlierCopies == 0)
        return identity;
    std::string material(identity.begin(), identity.end());
    material += "copy:" + std::to_string(earlierCopies);
    return Digest128(material);
}

std::string IdentityToHex(const MessageIdentity& identity)
{
    std::string hex;
    char two[3];
    for (std::uint8_t b : identity) {
        std::snprintf(two, sizeof two, "%02X", b);
        hex += two;
    }
    return hex;
}

}  // namespace postoffice
