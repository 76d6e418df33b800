// The process's logons and the steps shared by DRUMEL's calls.
#include "drumel_session.h"

#include <mutex>
#include <set>

#include "atomic_file.h"
#include "credentials_file.h"
#include "instance_control.h"

namespace drumel {
namespace {

constexpr std::size_t kMaxCredentialsFile = 64 * 1024;
constexpr std::size_t kMaxName = 63;

std::mutex g_logonLock;
std::set<std::string> g_loggedOn;  // upper-case server names

}  // namespace

std::vector<ServerPlace> Targets(const char* name, bool wholeDomain, DWORD& error)
{
    return Targets(ServerLocator::FromRegistry(), name, wholeDomain, error);
}

std::vector<ServerPlace> Targets(const ServerLocator& site, const char* name, bool wholeDomain, DWORD& error)
{
    const std::string text = name ? name : "";
    if (BareServerName(text).size() > kMaxName) {
        error = kNoSuchServer;
        return {};
    }
    std::vector<ServerPlace> targets = site.Targets(text, wholeDomain);
    error = targets.empty() ? kNoSuchServer : 0;
    return targets;
}

DWORD CheckAccess(const ServerPlace& place)
{
    if (!FileExists(place.CredentialsPath()))
        return 0;
    std::lock_guard<std::mutex> guard(g_logonLock);
    return g_loggedOn.count(UpperServerName(place.name)) ? 0 : ERROR_ACCESS_DENIED;
}

DWORD FirstReadable(const char* name, ServerPlace& place)
{
    DWORD error = 0;
    std::vector<ServerPlace> targets = Targets(name, false, error);
    if (error)
        return error;
    if (const DWORD denied = CheckAccess(targets.front()))
        return denied;
    place = std::move(targets.front());
    return 0;
}

DWORD Logon(const ServerPlace& place, const std::string& user, const std::string& password)
{
    if (!FileExists(place.CredentialsPath()))
        return 0;
    // A logon file that cannot be read admits nobody.
    const auto bytes = ReadWholeFile(place.CredentialsPath(), kMaxCredentialsFile);
    const CredentialsFile accounts =
        CredentialsFile::Parse(bytes ? std::string(bytes->begin(), bytes->end()) : std::string());
    const CredentialsFile::Check check = accounts.Verify(user, password);
    std::lock_guard<std::mutex> guard(g_logonLock);
    if (check != CredentialsFile::Check::Accepted) {
        g_loggedOn.erase(UpperServerName(place.name));
        return check == CredentialsFile::Check::UnknownUser ? kLogonUnknownUser : kLogonWrongPassword;
    }
    g_loggedOn.insert(UpperServerName(place.name));
    return 0;
}

void TellInstance(const ServerPlace& place, DWORD control)
{
    InstanceControl(place).Send(control);
}

}  // namespace drumel
