// PrintQueueRecord's texts and the print queue header's text.
#include "ticket_record.h"

#include <cstring>

namespace ticket_record {

namespace {

template <std::size_t N> std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

template <std::size_t N> void SetField(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), text.size() < N ? text.size() : N - 1);
}

}  // namespace

PrintQueue Read(const PrintQueueRecord& record)
{
    return {FieldText(record.queuePath), FieldText(record.userName), FieldText(record.password)};
}

bool Fits(const PrintQueue& queue)
{
    return queue.queuePath.size() <= kQueuePathLimit && queue.userName.size() <= kUserNameLimit &&
        queue.password.size() <= kPasswordLimit;
}

bool Write(PrintQueueRecord& record, const PrintQueue& queue)
{
    if (!Fits(queue))
        return false;
    SetField(record.userName, queue.userName);
    SetField(record.password, queue.password);
    SetField(record.queuePath, queue.queuePath);
    return true;
}

std::string HeaderText(const PrintQueueHeader& header)
{
    return FieldText(header.text);
}

void SetHeaderText(PrintQueueHeader& header, const std::string& text)
{
    SetField(header.text, text);
}

std::string ServerOf(const std::string& remoteName)
{
    const std::size_t slash = remoteName.rfind('\\');
    if (slash == std::string::npos || slash + 1 == remoteName.size())
        return "Unknown";
    return remoteName.substr(slash + 1);
}

std::string QueuePath(const std::string& serverRemoteName, const std::string& printer)
{
    return serverRemoteName + "\\" + printer;
}

}  // namespace ticket_record
