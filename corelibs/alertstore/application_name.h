// The rule for application names: what the core accepts and the form it stores.
#pragma once

#include <optional>
#include <string>

inline constexpr const char* kAlertApplication = "ALERT";
inline constexpr std::size_t kMaxApplicationName = 8;  // the record table keeps 9 bytes with the NUL

// Upper-cased name of 1 to 8 letters, digits, '_' or '-'; "DEFAULT" stands for "ALERT".
// Anything else (a path, an empty or an overlong name) has no stored form.
std::optional<std::string> NormalizeApplicationName(const std::string& name);
