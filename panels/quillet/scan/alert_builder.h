// AlertBuilder: the alert builder's one call, behind a seam so that tests can record the alerts.
#pragma once

#include <string>

class AlertBuilder {
public:
    virtual ~AlertBuilder() = default;
    virtual int MakeAlert1(const std::string& server, int type, int count, const std::string& product,
        const std::string& text, int reserved) = 0;
};

// FENWIX.DLL's MakeAlert1.
class FenwixAlertBuilder : public AlertBuilder {
public:
    int MakeAlert1(const std::string& server, int type, int count, const std::string& product, const std::string& text,
        int reserved) override;
};
