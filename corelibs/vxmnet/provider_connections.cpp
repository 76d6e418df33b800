// Connecting through the sessions of this process, with drive letters in Wine's drive list.
#include "provider_connections.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <string>

#include "drive_mapping.h"
#include "net_sessions.h"
#include "provider_state.h"
#include "site_reader.h"
#include "wide_text.h"

namespace {

std::optional<std::string> Credential(const wchar_t* text)
{
    if (!text)
        return std::nullopt;
    return Narrow(text);
}

DWORD CopyOut(const std::string& text, LPWSTR out, LPDWORD length)
{
    if (!length)
        return WN_BAD_POINTER;
    const std::wstring wide = Wide(text);
    const DWORD needed = static_cast<DWORD>(wide.size() + 1);
    if (!out || *length < needed) {
        *length = needed;
        return WN_MORE_DATA;
    }
    std::copy(wide.c_str(), wide.c_str() + needed, out);
    return WN_SUCCESS;
}

}  // namespace

DWORD AddConnection(const NETRESOURCEW* resource, const wchar_t* password, const wchar_t* user)
{
    if (!resource)
        return WN_BAD_POINTER;
    if (!resource->lpRemoteName)
        return WN_BAD_NETNAME;
    ConnectRequest request;
    request.remoteName = Narrow(resource->lpRemoteName);
    request.localName = Narrow(resource->lpLocalName);
    request.type = resource->dwType;
    request.user = Credential(user);
    request.password = Credential(password);
    request.currentUser = CurrentUserName();
    const NetSite site = ReadNetSite();
    std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
    NetSessions& sessions = ProviderState::Instance().Sessions();
    const DWORD result = sessions.Connect(site, request);
    if (result != WN_SUCCESS || request.localName.empty())
        return result;
    // A drive letter is given its place in the platform's drive list, so that paths on it
    // open and the platform's own connection query finds it.
    const NetConnection* connection = sessions.FindLocal(request.localName);
    const DWORD mapped = MapNetworkDrive(connection->localName, connection->server, connection->remoteName);
    if (mapped != WN_SUCCESS)
        sessions.Cancel(connection->localName);
    return mapped;
}

DWORD CancelConnection(const wchar_t* name)
{
    if (!name)
        return WN_BAD_POINTER;
    const std::string text = Narrow(name);
    std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
    NetSessions& sessions = ProviderState::Instance().Sessions();
    const NetConnection* drive = sessions.FindLocal(text);
    const std::string localName = drive ? drive->localName : std::string();
    const DWORD result = sessions.Cancel(text);
    if (result == WN_SUCCESS && !localName.empty())
        UnmapNetworkDrive(localName);
    return result;
}

DWORD GetConnection(const wchar_t* localName, LPWSTR remoteName, LPDWORD length)
{
    if (!localName)
        return WN_BAD_POINTER;
    std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
    const NetConnection* connection = ProviderState::Instance().Sessions().FindLocal(Narrow(localName));
    if (!connection)
        return WN_NOT_CONNECTED;
    return CopyOut(connection->remoteName, remoteName, length);
}

DWORD GetUser(const wchar_t* name, LPWSTR userName, LPDWORD length)
{
    if (!name || !*name)
        return CopyOut(CurrentUserName(), userName, length);
    std::lock_guard<std::mutex> guard(ProviderState::Instance().Lock());
    const NetConnection* connection = ProviderState::Instance().Sessions().Find(Narrow(name));
    if (!connection)
        return WN_NOT_CONNECTED;
    return CopyOut(connection->user, userName, length);
}
