// Address lists of header fields ("To:", "From:", "CC:") read into display names and
// addresses.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace postoffice {

struct MailAddress {
    std::string display;  // UTF-8, encoded words decoded, quotes removed; may be empty
    std::string address;  // "user@host", or a bare mailbox name
};

// Splits at commas outside quotes, angle brackets and comments; groups ("Team: a, b;")
// give their members.
std::vector<MailAddress> ParseAddressList(std::string_view text);

// "Name <user@host>, other@host": each address with its display name when it has one.
std::string FormatAddressList(const std::vector<MailAddress>& addresses);

}  // namespace postoffice
