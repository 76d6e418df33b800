// MessageHeader: the header fields of a message as the mail-database library gives them.
#pragma once

#include <string>

#include "plv.h"

class MailAgent;

struct MessageHeader {
    bool fetched = false;  // false when the library could not give them: every field is empty
    std::string to, from, date, subject, cc;
};

// The fields of the message named by the reference's first 20 bytes; a field the library
// marks missing is empty.
MessageHeader FetchMessageHeader(MailAgent& agent, const MailAttachmentRef& message);

// The readable form of an address list, or the raw text when the library cannot parse it.
std::string ReadableAddresses(MailAgent& agent, const std::string& raw);
