// MessengerMailslot: creation and non-blocking reads of one messenger mailslot.
#include "messenger_mailslot.h"

#include "messenger_message.h"

MessengerMailslot::MessengerMailslot(std::string name) : m_name(std::move(name))
{
    m_handle = CreateMailslotA(m_name.c_str(), messenger_message::kLocalDatagramLimit, 0, nullptr);
    if (m_handle == INVALID_HANDLE_VALUE)
        m_createError = GetLastError();
}

MessengerMailslot::~MessengerMailslot()
{
    if (IsOpen())
        CloseHandle(m_handle);
}

std::optional<std::vector<std::uint8_t>> MessengerMailslot::Next()
{
    if (!IsOpen())
        return std::nullopt;
    DWORD nextSize = 0, waiting = 0;
    if (!GetMailslotInfo(m_handle, nullptr, &nextSize, &waiting, nullptr) || nextSize == MAILSLOT_NO_MESSAGE
        || waiting == 0)
        return std::nullopt;
    // The slot was made for datagrams of at most the local limit, so a buffer of that size
    // always takes the next one whole and a read never leaves it stuck at the head.
    std::vector<std::uint8_t> datagram(messenger_message::kLocalDatagramLimit);
    DWORD read = 0;
    if (!ReadFile(m_handle, datagram.data(), static_cast<DWORD>(datagram.size()), &read, nullptr))
        return std::nullopt;
    datagram.resize(read);
    return datagram;
}
