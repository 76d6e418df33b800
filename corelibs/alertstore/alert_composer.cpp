// Staging of description texts per server and product, and the type-to-priority rule.
#include "alert_composer.h"

#include <cctype>

int AlertComposer::PriorityOfType(int type)
{
    if (type <= 0)
        return 3;
    if (type == 1)
        return 2;
    if (type == 2)
        return 1;
    return 0;
}

std::string AlertComposer::KeyOf(const std::string& server, const std::string& product)
{
    std::string key;
    for (unsigned char c : server)
        key += static_cast<char>(std::toupper(c));
    key += '\n';
    for (unsigned char c : product)
        key += static_cast<char>(std::toupper(c));
    return key;
}

std::optional<AlertMessage> AlertComposer::Accept(
    const std::string& server, int type, int count, const std::string& product, const std::string& text)
{
    const std::string key = KeyOf(server, product);
    const std::string cut = text.substr(0, kMaxAlertText);
    if (type < 0) {
        m_staged[key] = cut;
        return std::nullopt;
    }
    AlertMessage message;
    message.type = type;
    message.count = count;
    message.priority = PriorityOfType(type);
    message.product = product;
    message.server = server;
    const auto staged = m_staged.find(key);
    if (staged != m_staged.end()) {
        message.text = staged->second;
        message.code = cut.substr(0, 63);
        m_staged.erase(staged);
    } else {
        message.text = cut;
    }
    return message;
}

void AlertComposer::Drop(const std::string& server, const std::string& product)
{
    m_staged.erase(KeyOf(server, product));
}
