// The address list reader: quotes, angle brackets, comments and groups.
#include "address_list.h"

#include "header_value.h"
#include "text_codec.h"

namespace postoffice {
namespace {

MailAddress ReadOne(std::string_view text)
{
    MailAddress result;
    std::string display;
    std::string angle;
    std::string bare;
    bool inAngle = false, sawAngle = false, inQuote = false;
    int comment = 0;
    std::string commentText;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inQuote) {
            if (c == '\\' && i + 1 < text.size())
                c = text[++i];
            else if (c == '"') {
                inQuote = false;
                continue;
            }
            display += c;
            continue;
        }
        if (comment > 0) {
            if (c == '(')
                ++comment;
            if (c == ')' && --comment == 0)
                continue;
            commentText += c;
            continue;
        }
        if (c == '(') {
            ++comment;
            continue;
        }
        if (inAngle) {
            if (c == '>')
                inAngle = false;
            else if (c != ' ' && c != '\t')
                angle += c;
            continue;
        }
        if (c == '"') {
            inQuote = true;
            continue;
        }
        if (c == '<') {
            inAngle = true;
            sawAngle = true;
            continue;
        }
        display += c;
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            bare += c;
    }
    if (sawAngle) {
        result.address = angle;
        result.display = std::string(TrimSpace(DecodeEncodedWords(std::string(TrimSpace(display)))));
    } else {
        result.address = bare;
        // "user@host (Full Name)": the comment is the display name.
        result.display = std::string(TrimSpace(DecodeEncodedWords(commentText)));
    }
    return result;
}

}  // namespace

std::vector<MailAddress> ParseAddressList(std::string_view text)
{
    std::vector<MailAddress> list;
    std::size_t start = 0;
    bool inQuote = false, inAngle = false;
    int comment = 0;
    auto take = [&](std::size_t end) {
        std::string_view piece = TrimSpace(text.substr(start, end - start));
        start = end + 1;
        if (piece.empty())
            return;
        MailAddress address = ReadOne(piece);
        if (!address.address.empty() || !address.display.empty())
            list.push_back(address);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inQuote) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inQuote = false;
            continue;
        }
        if (comment > 0) {
            if (c == '(')
                ++comment;
            if (c == ')')
                --comment;
            continue;
        }
        if (c == '"')
            inQuote = true;
        else if (c == '(')
            ++comment;
        else if (c == '<')
            inAngle = true;
        else if (c == '>')
            inAngle = false;
        else if (!inAngle && c == ':')
            start = i + 1;  // a group's name
        else if (!inAngle && (c == ',' || c == ';'))
            take(i);
    }
    if (start < text.size())
        take(text.size());
    return list;
}

std::string FormatAddressList(const std::vector<MailAddress>& addresses)
{
    std::string out;
    for (const MailAddress& address : addresses) {
        if (!out.empty())
            out += ", ";
        if (address.display.empty())
            out += address.address;
        else if (address.address.empty())
            out += address.display;
        else
            out += address.display + " <" + address.address + ">";
    }
    return out;
}

}  // namespace postoffice
