// Reading and checking the accounts of LOGON.TXT.
#include "credentials_file.h"

#include <sstream>

#include "site_description.h"

CredentialsFile CredentialsFile::Parse(const std::string& text)
{
    CredentialsFile file;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t equals = line.find('=');
        if (line.empty() || line[0] == ';' || equals == std::string::npos || equals == 0)
            continue;
        file.m_accounts.push_back({line.substr(0, equals), line.substr(equals + 1)});
    }
    return file;
}

CredentialsFile::Check CredentialsFile::Verify(const std::string& user, const std::string& password) const
{
    for (const Account& account : m_accounts) {
        if (SameComputerName(account.user, user))
            return account.password == password ? Check::Accepted : Check::WrongPassword;
    }
    return Check::UnknownUser;
}
