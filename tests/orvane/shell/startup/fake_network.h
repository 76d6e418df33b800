// FakeNetwork: a recording NetworkProvider that answers scripted results.
#pragma once

#include <cstring>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "network_provider.h"

struct NetworkCall {
    std::string function;  // "Add" or "Cancel"
    std::string remote;  // the remote name added, or the name cancelled
    bool hasLocal = false;
    bool hasProvider = false;
    DWORD type = 0;
    bool userGiven = false;
    std::string user;
    bool passwordGiven = false;
    std::string password;
    DWORD flags = 0;
    BOOL force = FALSE;
    HCURSOR cursor = nullptr;  // the cursor shown while the call was made
};

// One resource the fake network lists.
struct FakeResource {
    std::string remote;
    DWORD type = RESOURCETYPE_DISK;
    DWORD displayType = RESOURCEDISPLAYTYPE_SERVER;
    DWORD usage = RESOURCEUSAGE_CONTAINER;
    std::string comment;
    std::string provider = "Microsoft Windows Network";
};

struct FakeEnumOpen {
    DWORD scope = 0;
    DWORD type = 0;
    DWORD usage = 0;
    std::string container;  // the container's remote name; "(network)" for the whole network
};

class FakeNetwork : public NetworkProvider {
public:
    // The resources listed under the container of that remote name ("" for the whole network).
    std::map<std::string, std::vector<FakeResource>> children;
    // An enumeration of that container ends with this error after its listed entries.
    std::map<std::string, DWORD> enumFailures;
    std::vector<FakeEnumOpen> opens;
    // The number of entries asked for at each EnumResource.
    std::vector<DWORD> asked;
    int openEnumerations = 0;

    DWORD OpenEnum(DWORD scope, DWORD type, DWORD usage, NETRESOURCEA* container, HANDLE* handle) override
    {
        const std::string key = container && container->lpRemoteName ? container->lpRemoteName : "";
        opens.push_back({scope, type, usage, container ? key : "(network)"});
        Enumeration enumeration;
        for (const FakeResource& resource : children[key])
            if (type == RESOURCETYPE_ANY || resource.type == type || (resource.usage & RESOURCEUSAGE_CONTAINER))
                enumeration.entries.push_back(resource);
        auto failure = enumFailures.find(key);
        enumeration.end = failure == enumFailures.end() ? ERROR_NO_MORE_ITEMS : failure->second;
        m_enumerations.push_back(enumeration);
        ++openEnumerations;
        *handle = reinterpret_cast<HANDLE>(m_enumerations.size());
        return NO_ERROR;
    }
    DWORD EnumResource(HANDLE handle, DWORD* count, void* buffer, DWORD* bufferSize) override
    {
        asked.push_back(*count);
        Enumeration& enumeration = m_enumerations.at(reinterpret_cast<std::size_t>(handle) - 1);
        if (enumeration.next >= enumeration.entries.size()) {
            *count = 0;
            return enumeration.end;
        }
        const DWORD wanted = *count;
        BYTE* base = static_cast<BYTE*>(buffer);
        DWORD written = 0;
        std::size_t textAt = *bufferSize;
        while (enumeration.next < enumeration.entries.size() && (wanted == DWORD(-1) || written < wanted)) {
            const FakeResource& resource = enumeration.entries[enumeration.next];
            const std::size_t texts = resource.remote.size() + resource.comment.size() + resource.provider.size() + 3;
            const std::size_t structEnd = (written + 1) * sizeof(NETRESOURCEA);
            if (structEnd + texts > textAt)
                break;
            NETRESOURCEA& out = reinterpret_cast<NETRESOURCEA*>(base)[written];
            out = {};
            out.dwScope = RESOURCE_GLOBALNET;
            out.dwType = resource.type;
            out.dwDisplayType = resource.displayType;
            out.dwUsage = resource.usage;
            auto put = [&](const std::string& text) {
                textAt -= text.size() + 1;
                std::memcpy(base + textAt, text.c_str(), text.size() + 1);
                return reinterpret_cast<char*>(base + textAt);
            };
            out.lpRemoteName = put(resource.remote);
            out.lpComment = put(resource.comment);
            out.lpProvider = put(resource.provider);
            ++written;
            ++enumeration.next;
        }
        *count = written;
        return written ? NO_ERROR : ERROR_MORE_DATA;
    }
    DWORD CloseEnum(HANDLE) override
    {
        --openEnumerations;
        return NO_ERROR;
    }

    // The next AddConnection2 fails with `error` (and leaves it as the last error).
    void FailNextAdd(DWORD error) { m_addResults.push_back(error); }

    DWORD AddConnection2(NETRESOURCEA& resource, const char* password, const char* user, DWORD flags) override
    {
        NetworkCall call;
        call.function = "Add";
        call.remote = resource.lpRemoteName ? resource.lpRemoteName : "";
        call.hasLocal = resource.lpLocalName != nullptr;
        call.hasProvider = resource.lpProvider != nullptr;
        call.type = resource.dwType;
        call.userGiven = user != nullptr;
        call.user = user ? user : "";
        call.passwordGiven = password != nullptr;
        call.password = password ? password : "";
        call.flags = flags;
        call.cursor = GetCursor();
        calls.push_back(call);
        DWORD result = NO_ERROR;
        if (!m_addResults.empty()) {
            result = m_addResults.front();
            m_addResults.pop_front();
        }
        m_lastError = result;
        return result;
    }
    DWORD CancelConnection2(const char* name, DWORD flags, BOOL force) override
    {
        NetworkCall call;
        call.function = "Cancel";
        call.remote = name ? name : "";
        call.flags = flags;
        call.force = force;
        call.cursor = GetCursor();
        calls.push_back(call);
        // Cancelling a connection that is gone is no error the program looks at.
        m_lastError = 2250;
        return 2250;
    }
    DWORD LastError() override { return m_lastError; }

    std::vector<NetworkCall> calls;

private:
    struct Enumeration {
        std::vector<FakeResource> entries;
        std::size_t next = 0;
        DWORD end = ERROR_NO_MORE_ITEMS;
    };
    std::vector<Enumeration> m_enumerations;
    std::deque<DWORD> m_addResults;
    DWORD m_lastError = 0;
};
