// A network name split into its parts: "\\SERVER", "\\SERVER\SHARE", "\\SERVER\SHARE\rest".
#pragma once

#include <optional>
#include <string>

struct NetPath {
    std::string server;
    std::string share;  // empty for "\\SERVER"
    std::string rest;  // what follows the share, without its leading backslash

    // Nothing for a name that does not start with two backslashes or has an empty server or
    // share part ("\\", "\\\\X", "\\X\\"). Forward slashes count as backslashes.
    static std::optional<NetPath> Parse(const std::string& name);
    std::string ServerName() const { return "\\\\" + server; }
    std::string ShareName() const { return ServerName() + "\\" + share; }
};
