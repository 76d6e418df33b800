// The server objects: the site's tree, states from the query, connect and logon through DRUMEL.
#include "ynnis.h"

#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>

#include "drumel.h"
#include "server_locator.h"
#include "server_query.h"
#include "site_description.h"

namespace {

constexpr std::size_t kEntryKey = 48;

// The library's own objects; destroyed only when the library is unloaded.
class OwnedServer : public CVexomarServer {
public:
    using CVexomarServer::CVexomarServer;
    ~OwnedServer() = default;
};

std::mutex g_objectsLock;
std::deque<std::unique_ptr<OwnedServer>> g_objects;
// By kind and upper-case name, so that a listing of hundreds of servers finds each object at once.
std::map<std::pair<DWORD, std::string>, OwnedServer*> g_objectIndex;

void Copy(char* target, std::size_t size, const std::string& text)
{
    const std::size_t length = text.size() < size ? text.size() : size - 1;
    std::memcpy(target, text.data(), length);
    target[length] = '\0';
}

// `folder` is the data folder when the caller has the server's place at hand already.
CVexomarServer* FindOrMake(
    DWORD kind, const std::string& name, const std::string& domain, const char* folder = nullptr)
{
    std::lock_guard<std::mutex> guard(g_objectsLock);
    const auto key = std::make_pair(kind, UpperServerName(name));
    if (const auto found = g_objectIndex.find(key); found != g_objectIndex.end())
        return found->second;
    g_objects.push_back(std::make_unique<OwnedServer>(kind, name.c_str(), domain.c_str(), folder));
    g_objectIndex.emplace(key, g_objects.back().get());
    return g_objects.back().get();
}

// The Windows user of this process, the logon prompt's first proposal; it does not change while
// the process runs, so it is asked once and not for each of a domain's servers.
const std::string& WindowsUser()
{
    static const std::string user = [] {
        char name[128] = {};
        DWORD size = sizeof name;
        return GetUserNameA(name, &size) ? std::string(name) : std::string();
    }();
    return user;
}

std::string LocalName()
{
    return ServerLocator::FromRegistry().Local().name;
}

}  // namespace

CVexomarServer::CVexomarServer(DWORD kind, const char* name, const char* domain, const char* folder) : m_kind(kind)
{
    Copy(m_name, sizeof m_name, name ? name : "");
    Copy(m_domain, sizeof m_domain, domain ? domain : "");
    Copy(m_user, sizeof m_user, WindowsUser());
    m_password[0] = '\0';
    const std::string where =
        kind == kVexomarKindDomain ? std::string("the servers of domain ") + m_name : std::string(m_name);
    Copy(m_logonText, sizeof m_logonText, "Vexomar Service on " + where);
    if (kind == kVexomarKindDomain) {
        m_folder[0] = '\0';
    } else if (folder) {
        Copy(m_folder, sizeof m_folder, folder);
    } else {
        const auto place = ServerLocator::FromRegistry().Server(m_name);
        Copy(m_folder, sizeof m_folder, place ? place->dataFolder : std::string());
    }
}

CVexomarServer* CVexomarWindowsNTServer::GetNTSelfServer()
{
    return FindOrMake(kVexomarKindNetwork, "Microsoft Networks", "");
}

CVexomarServer* CVexomarptpServer::GetPTPSelfServer()
{
    // The Point To Point branch stands for this computer: its node and its child share it.
    return FindOrMake(kVexomarKindNetwork, LocalName(), "");
}

DWORD CVexomarServer::Kind()
{
    return m_kind;
}

DWORD CVexomarServer::QueryStateWord(DWORD* stateWord)
{
    if (!stateWord)
        return ERROR_INVALID_PARAMETER;
    CachedState state;
    if (!server_query::Running() || !server_query::Lookup(m_name, state))
        server_query::ReadNow(m_name, state);
    *stateWord = state.stateWord;
    return 0;
}

DWORD CVexomarServer::QueryVersions(DWORD* versions4)
{
    if (!versions4)
        return ERROR_INVALID_PARAMETER;
    CachedState state;
    if (!server_query::Running() || !server_query::Lookup(m_name, state))
        server_query::ReadNow(m_name, state);
    std::memcpy(versions4, state.versions, sizeof state.versions);
    return 0;
}

CVexomarServer* CVexomarServer::ChildServer(const char* key)
{
    if (!key)
        return nullptr;
    const std::string name(key, strnlen(key, kEntryKey - 1));
    const ServerLocator site = ServerLocator::FromRegistry();
    if (m_kind == kVexomarKindNetwork && site.IsDomain(name))
        return FindOrMake(kVexomarKindDomain, name, "");
    if (m_kind == kVexomarKindDomain) {
        const auto place = site.Server(name);
        if (place && SameComputerName(place->domain, m_domain[0] ? m_domain : m_name))
            return FindOrMake(kVexomarKindServer, place->name, place->domain, place->dataFolder.c_str());
    }
    return nullptr;
}

const char* CVexomarServer::Name(DWORD)
{
    // A domain object's name is its domain's, a server's its own: the flag only confirms it.
    return m_name;
}

DWORD CVexomarServer::QueryLastScan(DWORD* seconds)
{
    if (!seconds)
        return ERROR_INVALID_PARAMETER;
    CachedState state;
    if (!server_query::Running() || !server_query::Lookup(m_name, state))
        server_query::ReadNow(m_name, state);
    *seconds = state.lastScan;
    return 0;
}

const char* CVexomarServer::DomainName()
{
    return m_kind == kVexomarKindDomain ? m_name : m_domain;
}

DWORD CVexomarServer::NeedsLogon()
{
    return VexomarCheckAccess(m_name) == ERROR_ACCESS_DENIED ? 1 : 0;
}

DWORD CVexomarServer::Refresh()
{
    CachedState state;
    return server_query::ReadNow(m_name, state);
}
