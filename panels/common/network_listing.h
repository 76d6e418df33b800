// NetResourceCopy and NetworkListing: the network's resources as the browse lists keep them,
// read through the program's network seam.
#pragma once

#include <windows.h>
#include <winnetwk.h>

#include <string>
#include <vector>

class NetworkProvider;

// A private copy of one enumerated resource description; the enumerator's buffer is reused.
struct NetResourceCopy {
    DWORD scope = 0;
    DWORD type = 0;
    DWORD displayType = 0;
    DWORD usage = 0;
    std::string localName;
    std::string remoteName;
    std::string comment;
    std::string provider;

    static NetResourceCopy Of(const NETRESOURCEA& resource);
    // A description that points into this copy, for handing back to the network calls.
    NETRESOURCEA View();
};

// One open enumeration of a container (or of the whole network), closed when it goes.
class NetworkListing {
public:
    static constexpr DWORD kBufferSize = 16384;

    // `container` null: the whole network.
    NetworkListing(NetworkProvider& network, DWORD type, NetResourceCopy* container);
    ~NetworkListing();
    NetworkListing(const NetworkListing&) = delete;
    NetworkListing& operator=(const NetworkListing&) = delete;

    // 0 when the enumeration opened, else the error.
    DWORD OpenResult() const { return m_openResult; }
    // Reads the next entries (`wanted` of them, or -1 for as many as fit) into `entries`.
    // Answers 0 with at least one entry, ERROR_NO_MORE_ITEMS at the end, or the error.
    DWORD Next(std::vector<NetResourceCopy>& entries, DWORD wanted);

private:
    NetworkProvider& m_network;
    HANDLE m_handle = nullptr;
    DWORD m_openResult = 0;
    std::vector<BYTE> m_buffer;
};

// Whether a remote name is under the one network the browse lists keep: its name holds "icrosoft".
bool IsMicrosoftNetworkName(const std::string& remoteName);
