// SNMP: an SNMPv1 trap of the product's enterprise to every IP manager over UDP.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "alert_delivery.h"
#include "snmp_record.h"
#include "snmp_trap.h"

namespace {

constexpr NotifyMethod kMethod = NotifyMethod::Snmp;
constexpr unsigned short kTrapPort = 162;

// The record's two reserved bytes, when not zero, name the manager's trap port (network byte
// order); the pages leave them zero, which means the standard port.
unsigned short PortOf(const SnmpRecord& record)
{
    const unsigned short port = static_cast<unsigned short>((record.reserved[0] << 8) | record.reserved[1]);
    return port ? port : kTrapPort;
}

std::string Describe(const SnmpRecord& record)
{
    std::string name = "manager";
    std::size_t length = 0;
    while (length < sizeof record.managerName && record.managerName[length] != '\0')
        ++length;
    if (length)
        name += " " + std::string(record.managerName, length);
    if (record.transport != snmp_record::kViaIp)
        return name + (record.transport == snmp_record::kViaIpx ? " via IPX" : "");
    char address[40];
    std::snprintf(address, sizeof address, " at %u.%u.%u.%u:%u", record.ipAddress[0], record.ipAddress[1],
        record.ipAddress[2], record.ipAddress[3], static_cast<unsigned>(PortOf(record)));
    return name + address;
}

bool WinsockReady()
{
    static const bool ready = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return ready;
}

// Sends the trap to one manager; an empty text when sent, else why not.
std::string SendTrap(const DeliveredAlert& alert, const SnmpRecord& record)
{
    if (!WinsockReady())
        return "the network is not available (Winsock)";
    SOCKET sock = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (sock == INVALID_SOCKET)
        return "no UDP socket (error " + std::to_string(WSAGetLastError()) + ")";
    sockaddr_in manager = {};
    manager.sin_family = AF_INET;
    manager.sin_port = htons(PortOf(record));
    std::memcpy(&manager.sin_addr, record.ipAddress, 4);
    std::string why;
    // Connecting a UDP socket sends nothing; it picks the local address that reaches the
    // manager, which the trap names as its agent.
    if (connect(sock, reinterpret_cast<sockaddr*>(&manager), sizeof manager) != 0) {
        why = "the manager's address cannot be reached (error " + std::to_string(WSAGetLastError()) + ")";
    } else {
        sockaddr_in local = {};
        int size = sizeof local;
        std::array<std::uint8_t, 4> agent {};
        if (getsockname(sock, reinterpret_cast<sockaddr*>(&local), &size) == 0)
            std::memcpy(agent.data(), &local.sin_addr, 4);
        const std::vector<std::uint8_t> bytes = EncodeTrap(AlertTrap(alert.priority, alert.text, alert.application,
            alert.server, alert.code, agent, static_cast<std::uint32_t>(GetTickCount() / 10)));
        const int sent = send(sock, reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()), 0);
        if (sent != static_cast<int>(bytes.size()))
            why = "the trap could not be sent (error " + std::to_string(WSAGetLastError()) + ")";
    }
    closesocket(sock);
    return why;
}

}  // namespace

void DeliverSnmp(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context)
{
    const auto& list = settings.recipients[static_cast<std::size_t>(kMethod)];
    for (std::size_t at = 0; at + sizeof(SnmpRecord) <= list.size(); at += sizeof(SnmpRecord)) {
        if (context.Stopping())
            return;
        SnmpRecord record;
        std::memcpy(&record, list.data() + at, sizeof record);
        const std::string recipient = Describe(record);
        if (record.transport == snmp_record::kViaIpx) {
            context.Log(kMethod, recipient, "not delivered: IPX is not reachable from this server");
            continue;
        }
        if (record.transport != snmp_record::kViaIp) {
            context.Log(kMethod, recipient, "not delivered: the record names neither IP nor IPX");
            continue;
        }
        if (std::all_of(record.ipAddress, record.ipAddress + 4, [](std::uint8_t b) { return b == 0; })) {
            context.Log(kMethod, recipient, "not delivered: the manager has no IP address");
            continue;
        }
        const std::string why = SendTrap(alert, record);
        context.Log(kMethod, recipient, why.empty() ? "trap sent" : "not delivered: " + why);
    }
}
