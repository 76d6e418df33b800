// VXMAIL32.DLL beside the test program registered as the site's mail client, for tests that go
// through the platform's MAPI32.DLL; the client and post-office folder found before are put back.
#pragma once

#include <optional>
#include <string>

class MailClientRegistration {
public:
    // Remembers the registered client and the post-office folder, then registers ours. The
    // platform library reads the registration when it is loaded, so this comes first.
    void Register();
    void Restore() const;

private:
    std::optional<std::string> m_previousClient;
    std::optional<std::string> m_previousFolder;
};
