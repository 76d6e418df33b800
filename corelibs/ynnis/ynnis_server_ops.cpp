// The server objects' logon, listings, service commands and statistics.
#include <cstring>

#include "drumel.h"
#include "server_locator.h"
#include "server_query.h"
#include "site_description.h"
#include "ynnis.h"

namespace {

void Copy(char* target, std::size_t size, const char* text)
{
    const std::size_t length = strnlen(text ? text : "", size - 1);
    std::memcpy(target, text ? text : "", length);
    target[length] = '\0';
}

// Answers a listing of `number` entries; the entries (each with its logon check) are made only
// when they fit, so the tree's first call, which asks only for the count, costs no server reads.
template <typename MakeEntry>
DWORD Answer(std::size_t number, MakeEntry makeEntry, VexomarServerEntry* buffer, DWORD* count)
{
    if (!count)
        return ERROR_INVALID_PARAMETER;
    const DWORD room = *count;
    *count = static_cast<DWORD>(number);
    if (number == 0)
        return 0;
    if (!buffer || room < number)
        return ERROR_INSUFFICIENT_BUFFER;
    for (std::size_t i = 0; i < number; ++i)
        buffer[i] = makeEntry(i);
    return 0;
}

VexomarServerEntry Entry(
    const std::string& name, const std::string& domain, const std::string& server, DWORD kind, bool local)
{
    VexomarServerEntry entry = {};
    Copy(entry.name, sizeof entry.name, name.c_str());
    Copy(entry.domainKey, sizeof entry.domainKey, domain.c_str());
    Copy(entry.serverKey, sizeof entry.serverKey, server.c_str());
    entry.kind = kind;
    CachedState state;
    if (!server.empty() && server_query::Lookup(server, state))
        entry.stateWord = state.stateWord;
    const std::string target = server.empty() ? domain : server;
    entry.flags = (VexomarCheckAccess(target.c_str()) == ERROR_ACCESS_DENIED ? 1 : 0) | (local ? 2 : 0);
    return entry;
}

}  // namespace

DWORD CVexomarServer::Connect(DWORD* message, DWORD force)
{
    DWORD ignored = 0;
    DWORD& number = message ? *message : ignored;
    number = 0;
    if (m_kind == kVexomarKindNetwork && !ServerLocator::FromRegistry().Server(m_name))
        return kConnectDone;  // the Microsoft Networks branch itself needs nothing
    const DWORD access = VexomarCheckAccess(m_name);
    if (access == kNoSuchServer) {
        number = kNoSuchServer;
        return kConnectFailed;
    }
    if (access == 0 && !(force && m_credentialsGiven))
        return kConnectDone;
    if (!m_credentialsGiven)
        return kConnectNeedsCredentials;
    const DWORD logon = VexomarLogon(m_name, m_user, m_password);
    if (logon == 0)
        return kConnectDone;
    number = logon;
    return kConnectCredentialsRefused;
}

const char* CVexomarServer::UserName()
{
    return m_user;
}

const char* CVexomarServer::LogonText()
{
    return m_logonText;
}

DWORD CVexomarServer::SetCredentials(const char* user, const char* password)
{
    Copy(m_user, sizeof m_user, user);
    Copy(m_password, sizeof m_password, password);
    m_credentialsGiven = true;
    return 0;
}

DWORD CVexomarServer::ListDomains(VexomarServerEntry* buffer, DWORD* count)
{
    const ServerLocator site = ServerLocator::FromRegistry();
    std::vector<std::string> domains;
    if (m_kind == kVexomarKindNetwork && !site.Server(m_name))
        domains = site.Domains();
    return Answer(
        domains.size(), [&](std::size_t i) { return Entry(domains[i], domains[i], "", kVexomarKindDomain, false); },
        buffer, count);
}

DWORD CVexomarServer::ListSelf(VexomarServerEntry* buffer, DWORD* count)
{
    const ServerLocator site = ServerLocator::FromRegistry();
    const ServerPlace& local = site.Local();
    const bool listed = m_kind == kVexomarKindNetwork && SameComputerName(local.name, m_name);
    return Answer(
        listed ? 1 : 0, [&](std::size_t) { return Entry(local.name, local.domain, local.name, kVexomarKindServer, true); },
        buffer, count);
}

DWORD CVexomarServer::ListServers(const char*, const char*, VexomarServerEntry* buffer, DWORD* count)
{
    std::vector<ServerPlace> members;
    if (m_kind == kVexomarKindDomain)
        members = ServerLocator::FromRegistry().ServersOf(m_name);
    return Answer(
        members.size(),
        [&](std::size_t i) {
            const ServerPlace& place = members[i];
            return Entry(place.name, place.domain, place.name, kVexomarKindServer, place.local);
        },
        buffer, count);
}

DWORD CVexomarServer::MemberCount()
{
    return m_kind == kVexomarKindDomain ? static_cast<DWORD>(ServerLocator::FromRegistry().ServersOf(m_name).size())
                                        : 0;
}

DWORD CVexomarServer::StartServerService()
{
    return VexomarStartService(m_name, 0);
}

DWORD CVexomarServer::StopServerService()
{
    return VexomarStopService(m_name);
}

DWORD CVexomarServer::QueryServiceState(DWORD* state)
{
    return VexomarGetServiceStatus(m_name, state);
}

DWORD CVexomarServer::RunJob()
{
    return VexomarRunJob(m_name);
}

const char* CVexomarServer::DataFolder()
{
    return m_folder;
}

DWORD CVexomarServer::IsLocal()
{
    return SameComputerName(ServerLocator::FromRegistry().Local().name, m_name) && m_kind != kVexomarKindDomain ? 1 : 0;
}

DWORD CVexomarServer::Reserved23()
{
    return ERROR_CALL_NOT_IMPLEMENTED;
}
DWORD CVexomarServer::Reserved24()
{
    return ERROR_CALL_NOT_IMPLEMENTED;
}
DWORD CVexomarServer::Reserved25()
{
    return ERROR_CALL_NOT_IMPLEMENTED;
}
DWORD CVexomarServer::Reserved26()
{
    return ERROR_CALL_NOT_IMPLEMENTED;
}
DWORD CVexomarServer::Reserved27()
{
    return ERROR_CALL_NOT_IMPLEMENTED;
}
DWORD CVexomarServer::Reserved28()
{
    return ERROR_CALL_NOT_IMPLEMENTED;
}

DWORD CVexomarServer::ReadScanStatistics(void* record, DWORD size)
{
    return VexomarGetScanStatistics(m_name, record, size);
}

extern "C" DWORD WINAPI VexomarStartQuery()
{
    return server_query::Start();
}

extern "C" DWORD WINAPI VexomarStopQuery()
{
    return server_query::Stop();
}
