// Connecting, logging on and cancelling.
#include "net_sessions.h"

#include <algorithm>
#include <cctype>

#include "net_path.h"
#include "net_shares.h"

using namespace netcodes;

std::optional<std::string> DriveName(const std::string& text)
{
    if (text.size() != 2 || text[1] != ':' || !std::isalpha(static_cast<unsigned char>(text[0])))
        return std::nullopt;
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])))) + ":";
}

namespace {

bool TypeFits(std::uint32_t shareType, std::uint32_t asked)
{
    return asked == kTypeAny || shareType == kTypeAny || shareType == asked;
}

std::uint32_t CheckLogon(const NetServer& server, const ConnectRequest& request, bool loggedOn)
{
    if (!server.accounts)
        return kOk;
    const std::string user = request.user.value_or("");
    const std::string password = request.password.value_or("");
    if (user.empty() && password.empty())
        return loggedOn ? kOk : kAccessDenied;
    switch (server.accounts->Verify(user.empty() ? request.currentUser : user, password)) {
    case CredentialsFile::Check::Accepted: return kOk;
    case CredentialsFile::Check::UnknownUser: return kLogonFailure;
    case CredentialsFile::Check::WrongPassword: break;
    }
    return kInvalidPassword;
}

}  // namespace

std::uint32_t NetSessions::Connect(const NetSite& site, const ConnectRequest& request)
{
    const std::optional<NetPath> path = NetPath::Parse(request.remoteName);
    if (!path || path->share.empty() || !path->rest.empty())
        return kBadNetName;
    const NetServer* server = site.FindServer(path->server);
    if (!server)
        return kBadNetPath;
    const std::vector<NetShare> shares = SharesOf(*server);
    const NetShare* share = FindShare(shares, path->share);
    if (!share)
        return kBadNetName;
    if (!TypeFits(share->type, request.type))
        return kBadDevType;

    std::string localName;
    if (!request.localName.empty()) {
        const std::optional<std::string> drive = DriveName(request.localName);
        if (!drive || share->type == kTypePrint)
            return kBadDevice;
        if (FindLocal(*drive))
            return kAlreadyAssigned;
        localName = *drive;
    }
    if (const std::uint32_t logon = CheckLogon(*server, request, LoggedOn(server->name)))
        return logon;
    // One process holds a server under one account at a time.
    const std::string asked = request.user.value_or("");
    for (const NetConnection& held : m_connections) {
        if (!asked.empty() && SameComputerName(held.server, server->name) && !SameComputerName(held.user, asked))
            return kCredentialConflict;
    }

    NetConnection connection;
    connection.localName = localName;
    connection.remoteName = path->ShareName();
    connection.server = server->name;
    connection.type = share->type == kTypeAny ? kTypeDisk : share->type;
    connection.user = request.user.value_or("");
    if (connection.user.empty())
        connection.user = request.currentUser;
    // A second connection without a device to the same share is the same use of it.
    if (localName.empty()) {
        for (NetConnection& held : m_connections) {
            if (held.localName.empty() && SameComputerName(held.remoteName, connection.remoteName)) {
                held = connection;
                return kOk;
            }
        }
    }
    m_connections.push_back(connection);
    return kOk;
}

std::uint32_t NetSessions::Cancel(const std::string& name)
{
    const std::optional<std::string> drive = DriveName(name);
    const auto matches = [&](const NetConnection& held) {
        if (drive)
            return held.localName == *drive;
        return held.localName.empty() && SameComputerName(held.remoteName, name);
    };
    const auto found = std::find_if(m_connections.begin(), m_connections.end(), matches);
    if (found == m_connections.end())
        return kNotConnected;
    m_connections.erase(found);
    return kOk;
}

bool NetSessions::LoggedOn(const std::string& server) const
{
    return std::any_of(m_connections.begin(), m_connections.end(),
        [&](const NetConnection& held) { return SameComputerName(held.server, server); });
}

const NetConnection* NetSessions::FindLocal(const std::string& localName) const
{
    const std::optional<std::string> drive = DriveName(localName);
    if (!drive)
        return nullptr;
    for (const NetConnection& held : m_connections) {
        if (held.localName == *drive)
            return &held;
    }
    return nullptr;
}

const NetConnection* NetSessions::Find(const std::string& name) const
{
    if (const NetConnection* local = FindLocal(name))
        return local;
    const std::optional<NetPath> path = NetPath::Parse(name);
    if (!path)
        return nullptr;
    for (const NetConnection& held : m_connections) {
        if (path->share.empty() ? SameComputerName(held.server, path->server)
                                : SameComputerName(held.remoteName, path->ShareName()))
            return &held;
    }
    return nullptr;
}
