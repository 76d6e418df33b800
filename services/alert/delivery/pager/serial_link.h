// The open serial line a page is placed over: the real COM port, or a scripted one in tests.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class LinkRead { Data, Timeout, Stopped, Failed };

class SerialLink {
public:
    virtual ~SerialLink() = default;
    // Sends every byte; false when the port refused them.
    virtual bool Write(std::string_view bytes) = 0;
    // Waits at most `timeoutMs` for bytes and appends those that came; a stop ends the wait.
    virtual LinkRead Read(std::string& into, std::uint32_t timeoutMs) = 0;
    // Waits `ms` without reading; false when a stop ended the wait.
    virtual bool Pause(std::uint32_t ms) = 0;
    // A steady clock in milliseconds, for the deadlines of the dialogue.
    virtual std::uint64_t Milliseconds() = 0;
};
