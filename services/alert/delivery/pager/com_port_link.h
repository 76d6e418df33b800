// A COM port opened and set up for a pager call, read by polling so that every wait also
// watches the service's stop event.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "pager_call.h"
#include "pager_round.h"
#include "serial_link.h"

class ComPortLink : public SerialLink {
public:
    // Opens "\\.\COMn" with the setting's speed and framing; nothing, with the reason, when the
    // port is missing, in use or refuses the settings.
    static std::unique_ptr<ComPortLink> Open(const SerialSettings& settings, HANDLE stopEvent, std::string& problem);
    ~ComPortLink() override;
    ComPortLink(const ComPortLink&) = delete;
    ComPortLink& operator=(const ComPortLink&) = delete;

    bool Write(std::string_view bytes) override;
    LinkRead Read(std::string& into, std::uint32_t timeoutMs) override;
    bool Pause(std::uint32_t ms) override;
    std::uint64_t Milliseconds() override;

private:
    ComPortLink(HANDLE port, HANDLE stopEvent);
    // Waits `ms` on the stop event; true when it was set.
    bool StopWithin(std::uint32_t ms) const;

    HANDLE m_port;
    HANDLE m_stop;
};

// The pager round's lines: COM ports, each call opening its own.
class ComPortLines : public PagerLines {
public:
    explicit ComPortLines(HANDLE stopEvent) : m_stop(stopEvent) { }
    std::unique_ptr<SerialLink> Open(const SerialSettings& settings, std::string& problem) override;

private:
    HANDLE m_stop;
};
