// AlertHomeSandbox: points the local Alert home at a fresh temporary folder for one test.
#pragma once

#include <optional>
#include <string>

// The registry's Alert home and site file are put back, and the folder removed, afterwards.
class AlertHomeSandbox {
public:
    explicit AlertHomeSandbox(const std::string& name);
    ~AlertHomeSandbox();
    AlertHomeSandbox(const AlertHomeSandbox&) = delete;
    AlertHomeSandbox& operator=(const AlertHomeSandbox&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::optional<std::string> savedHome_;
    std::optional<std::string> savedSite_;
};
