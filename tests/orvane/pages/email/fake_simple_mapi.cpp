// FakeSimpleMapi: records each call; the address book's answer is one block, as the mail client gives it.
#include "fake_simple_mapi.h"

#include <cstring>

std::vector<std::string> FakeMapiState::Functions() const
{
    std::vector<std::string> names;
    for (const FakeMapiCall& call : calls)
        names.push_back(call.function);
    return names;
}

ULONG FakeSimpleMapi::Logon(HWND owner, const char* profile, const char* password, FLAGS flags, LHANDLE& session)
{
    FakeMapiCall call;
    call.function = "MAPILogon";
    call.profile = profile ? profile : "<null>";
    call.password = password ? password : "<null>";
    call.flags = flags;
    call.owner = owner;
    m_state->calls.push_back(call);
    ULONG result = SUCCESS_SUCCESS;
    if (!m_state->logonResults.empty()) {
        result = m_state->logonResults.front();
        m_state->logonResults.pop_front();
    }
    session = result == SUCCESS_SUCCESS ? m_nextSession++ : 0;
    return result;
}

ULONG FakeSimpleMapi::Logoff(LHANDLE session, HWND owner)
{
    FakeMapiCall call;
    call.function = "MAPILogoff";
    call.session = session;
    call.owner = owner;
    m_state->calls.push_back(call);
    return SUCCESS_SUCCESS;
}

ULONG FakeSimpleMapi::Address(LHANDLE session, HWND owner, const char* caption, ULONG editFields, const char* labels,
    FLAGS flags, ULONG& count, lpMapiRecipDesc& recipients)
{
    FakeMapiCall call;
    call.function = "MAPIAddress";
    call.session = session;
    call.owner = owner;
    call.caption = caption ? caption : "<null>";
    call.labels = labels ? labels : "<null>";
    call.editFields = editFields;
    call.flags = flags;
    m_state->calls.push_back(call);
    count = 0;
    recipients = nullptr;
    if (m_state->addressResult != SUCCESS_SUCCESS)
        return m_state->addressResult;
    std::size_t textBytes = 0;
    for (const FakeRecipient& chosen : m_state->chosen)
        textBytes += chosen.name.size() + chosen.address.size() + 2;
    const std::size_t size = m_state->chosen.size() * sizeof(MapiRecipDesc) + textBytes + 1;
    auto* block = static_cast<BYTE*>(::operator new(size));
    std::memset(block, 0, size);
    auto* descriptors = reinterpret_cast<MapiRecipDesc*>(block);
    char* text = reinterpret_cast<char*>(block + m_state->chosen.size() * sizeof(MapiRecipDesc));
    for (std::size_t i = 0; i < m_state->chosen.size(); ++i) {
        const FakeRecipient& chosen = m_state->chosen[i];
        descriptors[i].ulRecipClass = chosen.recipientClass;
        descriptors[i].lpszName = text;
        std::memcpy(text, chosen.name.c_str(), chosen.name.size() + 1);
        text += chosen.name.size() + 1;
        descriptors[i].lpszAddress = text;
        std::memcpy(text, chosen.address.c_str(), chosen.address.size() + 1);
        text += chosen.address.size() + 1;
    }
    count = static_cast<ULONG>(m_state->chosen.size());
    recipients = descriptors;
    ++m_state->buffersOut;
    return SUCCESS_SUCCESS;
}

ULONG FakeSimpleMapi::FreeBuffer(void* buffer)
{
    FakeMapiCall call;
    call.function = "MAPIFreeBuffer";
    m_state->calls.push_back(call);
    if (buffer) {
        ::operator delete(buffer);
        --m_state->buffersOut;
    }
    return SUCCESS_SUCCESS;
}
