// The server objects' logon, listings, service commands and statistics.
#include <algorithm>
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

// One child of a listing; `access` is what DRUMEL answered for it.
VexomarServerEntry Entry(const std::string& name, const std::string& domain, const std::string& server, DWORD kind,
    bool local, DWORD access)
{
    VexomarServerEntry entry = {};
    Copy(entry.name, sizeof entry.name, name.c_str());
    Copy(entry.domainKey, sizeof entry.domainKey, domain.c_str());
    Copy(entry.serverKey, sizeof entry.serverKey, server.c_str());
    entry.kind = kind;
    CachedState state;
    if (!server.empty() && server_query::Lookup(server, state))
        entry.stateWord = state.stateWord;
    entry.flags = (access == ERROR_ACCESS_DENIED ? 1 : 0) | (local ? 2 : 0);
    return entry;
}

// What a listing holds before its logon checks: a domain's entries name the domain, a server's
// the server.
struct Child {
    std::string name;
    std::string domain;
    std::string server;
    DWORD kind;
    bool local;
};

// Answers a listing. The entries, with their logon checks (all in one call to DRUMEL), are made
// only when they fit, so the tree's first call, which asks only for the count, reads no server.
DWORD Answer(const std::vector<Child>& children, VexomarServerEntry* buffer, DWORD* count)
{
    if (!count)
        return ERROR_INVALID_PARAMETER;
    const DWORD room = *count;
    *count = static_cast<DWORD>(children.size());
    if (children.empty())
        return 0;
    if (!buffer || room < children.size())
        return ERROR_INSUFFICIENT_BUFFER;
    std::vector<const char*> targets;
    for (const Child& child : children)
        targets.push_back(child.server.empty() ? child.domain.c_str() : child.server.c_str());
    std::vector<DWORD> access(children.size(), 0);
    if (VexomarCheckAccessEach(targets.data(), static_cast<DWORD>(targets.size()), access.data()) != 0)
        std::fill(access.begin(), access.end(), 0);
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Child& child = children[i];
        buffer[i] = Entry(child.name, child.domain, child.server, child.kind, child.local, access[i]);
    }
    return 0;
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
    std::vector<Child> children;
    if (m_kind == kVexomarKindNetwork && !site.Server(m_name)) {
        for (const std::string& domain : site.Domains())
            children.push_back({domain, domain, "", kVexomarKindDomain, false});
    }
    return Answer(children, buffer, count);
}

DWORD CVexomarServer::ListSelf(VexomarServerEntry* buffer, DWORD* count)
{
    const ServerLocator site = ServerLocator::FromRegistry();
    const ServerPlace& local = site.Local();
    std::vector<Child> children;
    if (m_kind == kVexomarKindNetwork && SameComputerName(local.name, m_name))
        children.push_back({local.name, local.domain, local.name, kVexomarKindServer, true});
    return Answer(children, buffer, count);
}

DWORD CVexomarServer::ListServers(const char*, const char*, VexomarServerEntry* buffer, DWORD* count)
{
    std::vector<Child> children;
    if (m_kind == kVexomarKindDomain) {
        for (const ServerPlace& place : ServerLocator::FromRegistry().ServersOf(m_name))
            children.push_back({place.name, place.domain, place.name, kVexomarKindServer, place.local});
    }
    return Answer(children, buffer, count);
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
