// MailTransportRecord: the 1024-byte mail-transport record exchanged with the alert core.
#pragma once

#include <cstddef>
#include <cstdint>

struct MailTransportRecord {
    std::uint32_t stored;  // set to 1 when the Exchange Mail dialog stores the record
    char exchangeServer[64];  // NUL-terminated, at most 63 characters
    char mailbox[256];  // NUL-terminated, at most 255 characters
    unsigned char zero[700];
};

static_assert(sizeof(MailTransportRecord) == 1024);
static_assert(offsetof(MailTransportRecord, stored) == 0);
static_assert(offsetof(MailTransportRecord, exchangeServer) == 4);
static_assert(offsetof(MailTransportRecord, mailbox) == 68);
static_assert(offsetof(MailTransportRecord, zero) == 324);
