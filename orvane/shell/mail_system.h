// MailSystem: whether the mail client that Alert sends e-mail through is installed.
#pragma once

class MailSystem {
public:
    virtual ~MailSystem() = default;
    virtual bool MailSystemPresent() = 0;
};

// The mail client library of the system: present when "MAPI32.DLL" loads and exports the
// function with ordinal 139.
class SystemMailSystem : public MailSystem {
public:
    bool MailSystemPresent() override;
};

MailSystem& SystemMail();
