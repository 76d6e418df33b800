// MessengerMailslot: one mailslot the messenger reads, created for as long as the object lives.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class MessengerMailslot {
public:
    // Creates the mailslot `name` for datagrams of at most messenger_message::kLocalDatagramLimit
    // bytes (a writer of a longer one is refused by the system). Reads never wait.
    explicit MessengerMailslot(std::string name);
    ~MessengerMailslot();
    MessengerMailslot(const MessengerMailslot&) = delete;
    MessengerMailslot& operator=(const MessengerMailslot&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    // The error of the creation (ERROR_ALREADY_EXISTS when another reader holds the name).
    DWORD CreateError() const { return m_createError; }
    const std::string& Name() const { return m_name; }

    // The next waiting datagram, or nothing when none waits or it could not be read.
    std::optional<std::vector<std::uint8_t>> Next();

private:
    std::string m_name;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    DWORD m_createError = 0;
};
