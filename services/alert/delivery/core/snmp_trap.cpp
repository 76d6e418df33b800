// BER: definite lengths, minimal two's-complement integers, base-128 object identifier arcs.
#include "snmp_trap.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void PutLength(Bytes& out, std::size_t length)
{
    if (length < 0x80) {
        out.push_back(static_cast<std::uint8_t>(length));
        return;
    }
    Bytes digits;
    for (std::size_t rest = length; rest != 0; rest >>= 8)
        digits.insert(digits.begin(), static_cast<std::uint8_t>(rest & 0xFF));
    out.push_back(static_cast<std::uint8_t>(0x80 | digits.size()));
    out.insert(out.end(), digits.begin(), digits.end());
}

Bytes Tagged(std::uint8_t tag, const Bytes& content)
{
    Bytes out {tag};
    PutLength(out, content.size());
    out.insert(out.end(), content.begin(), content.end());
    return out;
}

Bytes SignedContent(std::int64_t value)
{
    Bytes content;
    for (int shift = 56; shift >= 0; shift -= 8)
        content.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    // Leading bytes that only repeat the sign of the next one carry nothing.
    while (content.size() > 1 &&
        ((content[0] == 0x00 && !(content[1] & 0x80)) || (content[0] == 0xFF && (content[1] & 0x80))))
        content.erase(content.begin());
    return content;
}

Bytes Integer(std::int32_t value)
{
    return Tagged(0x02, SignedContent(value));
}

Bytes Octets(std::uint8_t tag, const std::string& text)
{
    return Tagged(tag, Bytes(text.begin(), text.end()));
}

void PutArc(Bytes& out, std::uint32_t arc)
{
    Bytes digits {static_cast<std::uint8_t>(arc & 0x7F)};
    for (arc >>= 7; arc != 0; arc >>= 7)
        digits.insert(digits.begin(), static_cast<std::uint8_t>(0x80 | (arc & 0x7F)));
    out.insert(out.end(), digits.begin(), digits.end());
}

Bytes Oid(const ObjectId& id)
{
    Bytes content;
    if (id.size() >= 2) {
        PutArc(content, id[0] * 40 + id[1]);
        for (std::size_t i = 2; i < id.size(); ++i)
            PutArc(content, id[i]);
    }
    return Tagged(0x06, content);
}

Bytes Sequence(std::uint8_t tag, const std::vector<Bytes>& parts)
{
    Bytes content;
    for (const Bytes& part : parts)
        content.insert(content.end(), part.begin(), part.end());
    return Tagged(tag, content);
}

}  // namespace

std::vector<std::uint8_t> EncodeTrap(const SnmpTrap& trap)
{
    std::vector<Bytes> bindings;
    for (const TrapBinding& binding : trap.bindings) {
        bindings.push_back(Sequence(0x30,
            {Oid(binding.name), binding.isInteger ? Integer(binding.integer) : Octets(0x04, binding.octets)}));
    }
    const Bytes agent = Tagged(0x40, Bytes(trap.agentAddress.begin(), trap.agentAddress.end()));
    // TimeTicks is unsigned: its content is the minimal form of a non-negative number.
    const Bytes ticks = Tagged(0x43, SignedContent(static_cast<std::int64_t>(trap.timeTicks)));
    const Bytes pdu = Sequence(0xA4,
        {Oid(trap.enterprise), agent, Integer(trap.genericTrap), Integer(trap.specificTrap), ticks,
            Sequence(0x30, bindings)});
    return Sequence(0x30, {Integer(0), Octets(0x04, trap.community), pdu});
}

SnmpTrap AlertTrap(int priority, const std::string& text, const std::string& application,
    const std::string& server, const std::string& eventCode, std::array<std::uint8_t, 4> agentAddress,
    std::uint32_t timeTicks, std::size_t textLimit)
{
    SnmpTrap trap;
    trap.enterprise = vexomar_mib::kAlertTraps;
    trap.agentAddress = agentAddress;
    trap.specificTrap = priority;
    trap.timeTicks = timeTicks;
    TrapBinding level;
    level.name = vexomar_mib::kAlertPriority;
    level.isInteger = true;
    level.integer = priority;
    trap.bindings.push_back(level);
    trap.bindings.push_back({vexomar_mib::kAlertText, false, 0, text.substr(0, textLimit)});
    trap.bindings.push_back({vexomar_mib::kAlertApplication, false, 0, application});
    trap.bindings.push_back({vexomar_mib::kAlertServer, false, 0, server});
    trap.bindings.push_back({vexomar_mib::kAlertEventCode, false, 0, eventCode});
    return trap;
}
