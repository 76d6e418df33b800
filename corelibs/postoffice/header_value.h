// Header field values: encoded words, and structured values with parameters
// (Content-Type, Content-Disposition) including extended and continued parameters.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace postoffice {

// Decodes every encoded word ("=?charset?B?...?=" or "?Q?") into UTF-8; white space
// between two adjacent encoded words is dropped. A malformed word stays as written.
std::string DecodeEncodedWords(std::string_view value);

struct StructuredValue {
    std::string value;  // "text/plain", "attachment", lower case
    std::map<std::string, std::string> params;  // lower-case names, decoded values (UTF-8)
    const std::string* Param(std::string_view name) const;
};

// Parses "value; name=token; name="quoted"; name*=charset'lang'%XX; name*0*=...; name*1=...".
// Comments in parentheses are skipped. Continued sections are joined in section order;
// a value given both ways takes the extended form.
StructuredValue ParseStructuredValue(std::string_view text);

}  // namespace postoffice
