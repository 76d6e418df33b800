// FakeSimpleMapi: a recording Simple MAPI for the e-mail page's tests, answering from a script.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "simple_mapi.h"

struct FakeMapiCall {
    std::string function;
    std::string profile;  // Logon; "<null>" for no profile
    std::string password;
    std::string caption;  // Address
    std::string labels;
    ULONG editFields = 0;
    FLAGS flags = 0;
    LHANDLE session = 0;
    HWND owner = nullptr;
};

struct FakeRecipient {
    std::string name;
    ULONG recipientClass = MAPI_TO;
    std::string address;
};

// What the fake answers and what it saw; it outlives the page that owns the binding.
struct FakeMapiState {
    bool available = true;
    std::string why = "no mail client here";
    // Logon answers in order; without one a logon succeeds.
    std::deque<ULONG> logonResults;
    ULONG addressResult = SUCCESS_SUCCESS;
    std::vector<FakeRecipient> chosen;
    std::vector<FakeMapiCall> calls;
    int buffersOut = 0;

    std::vector<std::string> Functions() const;
};

class FakeSimpleMapi final : public SimpleMapi {
public:
    explicit FakeSimpleMapi(std::shared_ptr<FakeMapiState> state) : m_state(std::move(state)) { }

    bool Available() const override { return m_state->available; }
    std::string Why() const override { return m_state->why; }
    ULONG Logon(HWND owner, const char* profile, const char* password, FLAGS flags, LHANDLE& session) override;
    ULONG Logoff(LHANDLE session, HWND owner) override;
    ULONG Address(LHANDLE session, HWND owner, const char* caption, ULONG editFields, const char* labels, FLAGS flags,
        ULONG& count, lpMapiRecipDesc& recipients) override;
    ULONG FreeBuffer(void* buffer) override;

private:
    std::shared_ptr<FakeMapiState> m_state;
    LHANDLE m_nextSession = 100;
};
