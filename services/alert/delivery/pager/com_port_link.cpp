// The COM port of a pager call: DCB and timeouts, polled reads and bounded writes.
#include "com_port_link.h"

#include <algorithm>

namespace {

// Reads return at once with what the port holds; between two looks the link waits this long on
// the stop event, so a stop ends any wait within this time.
constexpr DWORD kPollMs = 20;
// A write that the port has not taken within this time (flow stopped, port gone) fails.
constexpr DWORD kWriteTimeoutMs = 5000;

BYTE ParityOf(char parity)
{
    return parity == 'E' ? EVENPARITY : parity == 'O' ? ODDPARITY : NOPARITY;
}

}  // namespace

std::unique_ptr<ComPortLink> ComPortLink::Open(const SerialSettings& settings, HANDLE stopEvent, std::string& problem)
{
    const std::string name = settings.PortName();
    const std::string path = "\\\\.\\" + name;
    HANDLE port = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        problem = name + " could not be opened (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    std::unique_ptr<ComPortLink> link(new ComPortLink(port, stopEvent));
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    GetCommState(port, &dcb);
    dcb.BaudRate = settings.baud;
    dcb.ByteSize = static_cast<BYTE>(settings.dataBits);
    dcb.Parity = ParityOf(settings.parity);
    dcb.StopBits = settings.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = settings.parity != 'N';
    // No flow control: paging modems at these speeds need none, and a modem that never raises
    // CTS must not hold the call up.
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    // DTR stays raised for the call; dropping it when the port closes hangs the modem up.
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    if (!SetCommState(port, &dcb)) {
        problem = name + " could not be set to " + settings.Describe().substr(name.size() + 1) + " (error " +
            std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    COMMTIMEOUTS timeouts = {};
    timeouts.ReadIntervalTimeout = MAXDWORD;  // with both read totals 0: return at once
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutMs;
    if (!SetCommTimeouts(port, &timeouts)) {
        problem = name + " refused its timeouts (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    PurgeComm(port, PURGE_RXCLEAR | PURGE_TXCLEAR);
    return link;
}

ComPortLink::ComPortLink(HANDLE port, HANDLE stopEvent) : m_port(port), m_stop(stopEvent)
{
}

ComPortLink::~ComPortLink()
{
    EscapeCommFunction(m_port, CLRDTR);
    CloseHandle(m_port);
}

bool ComPortLink::StopWithin(std::uint32_t ms) const
{
    if (!m_stop) {
        Sleep(ms);
        return false;
    }
    return WaitForSingleObject(m_stop, ms) == WAIT_OBJECT_0;
}

bool ComPortLink::Write(std::string_view bytes)
{
    DWORD written = 0;
    return WriteFile(m_port, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
}

LinkRead ComPortLink::Read(std::string& into, std::uint32_t timeoutMs)
{
    // A stop is seen here even while the other side keeps talking.
    if (StopWithin(0))
        return LinkRead::Stopped;
    const std::uint64_t deadline = Milliseconds() + timeoutMs;
    for (;;) {
        char buffer[512];
        DWORD got = 0;
        if (!ReadFile(m_port, buffer, sizeof buffer, &got, nullptr))
            return LinkRead::Failed;
        if (got > 0) {
            into.append(buffer, got);
            return LinkRead::Data;
        }
        const std::uint64_t now = Milliseconds();
        if (now >= deadline)
            return LinkRead::Timeout;
        if (StopWithin(static_cast<std::uint32_t>(std::min<std::uint64_t>(kPollMs, deadline - now))))
            return LinkRead::Stopped;
    }
}

bool ComPortLink::Pause(std::uint32_t ms)
{
    return !StopWithin(ms);
}

std::uint64_t ComPortLink::Milliseconds()
{
    return GetTickCount64();
}

std::unique_ptr<SerialLink> ComPortLines::Open(const SerialSettings& settings, std::string& problem)
{
    return ComPortLink::Open(settings, m_stop, problem);
}
