// SNMPv1 trap messages (RFC 1157) in BER, as the Alert Service sends them to its SNMP managers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using ObjectId = std::vector<std::uint32_t>;

// The product's enterprise subtree 1.3.6.1.4.1.64029 ("vexomar"), its alert branch .1 and the
// objects each alert trap binds; services/alert/README.md lists them for managers' MIB files.
namespace vexomar_mib {
inline const ObjectId kEnterprise = {1, 3, 6, 1, 4, 1, 64029};
inline const ObjectId kAlertTraps = {1, 3, 6, 1, 4, 1, 64029, 1};
inline const ObjectId kAlertPriority = {1, 3, 6, 1, 4, 1, 64029, 1, 1};  // INTEGER 1 critical .. 3 informational
inline const ObjectId kAlertText = {1, 3, 6, 1, 4, 1, 64029, 1, 2};  // OCTET STRING
inline const ObjectId kAlertApplication = {1, 3, 6, 1, 4, 1, 64029, 1, 3};  // OCTET STRING
inline const ObjectId kAlertServer = {1, 3, 6, 1, 4, 1, 64029, 1, 4};  // OCTET STRING
inline const ObjectId kAlertEventCode = {1, 3, 6, 1, 4, 1, 64029, 1, 5};  // OCTET STRING
}  // namespace vexomar_mib

struct TrapBinding {
    ObjectId name;
    bool isInteger = false;
    std::int32_t integer = 0;
    std::string octets;
};

struct SnmpTrap {
    std::string community = "public";
    ObjectId enterprise;
    std::array<std::uint8_t, 4> agentAddress {};
    std::int32_t genericTrap = 6;  // enterpriseSpecific
    std::int32_t specificTrap = 0;
    std::uint32_t timeTicks = 0;  // hundredths of a second since the agent started
    std::vector<TrapBinding> bindings;
};

// The whole message: SEQUENCE { version 0, community, Trap-PDU [4] }.
std::vector<std::uint8_t> EncodeTrap(const SnmpTrap& trap);

// The trap of one alert: specific trap number and first binding the priority (1 to 3, other
// values kept as they are), then text, application, server and event code. An alert text
// longer than `textLimit` is cut there, so that the message stays within one UDP datagram
// that every manager accepts (484 bytes is the least an SNMP agent must take).
SnmpTrap AlertTrap(int priority, const std::string& text, const std::string& application,
    const std::string& server, const std::string& eventCode, std::array<std::uint8_t, 4> agentAddress,
    std::uint32_t timeTicks, std::size_t textLimit = 255);
