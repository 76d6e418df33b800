// LOGON.TXT in a server's data folder: the accounts that may administer a server that asks
// for a logon. Without the file a server asks for none.
#pragma once

#include <string>
#include <vector>

// One account a line, "USER=PASSWORD"; blank lines and lines starting with ';' are ignored.
// User names compare without regard to case, passwords exactly.
class CredentialsFile {
public:
    enum class Check { Accepted, UnknownUser, WrongPassword };

    static CredentialsFile Parse(const std::string& text);
    Check Verify(const std::string& user, const std::string& password) const;
    bool Empty() const { return m_accounts.empty(); }

private:
    struct Account {
        std::string user;
        std::string password;
    };
    std::vector<Account> m_accounts;
};

// Logon errors as the platform numbers them: 1326 unknown user name, 86 wrong password.
inline constexpr unsigned long kLogonUnknownUser = 1326;
inline constexpr unsigned long kLogonWrongPassword = 86;
