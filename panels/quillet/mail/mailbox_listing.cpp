// The mailbox listing: identities read in one buffer that grows until the list is whole.
#include "mailbox_listing.h"

#include <algorithm>
#include <cstring>

#include "mail_agent.h"
#include "mail_info.h"
#include "quillet_registry.h"

namespace {

constexpr DWORD kIdentityListBytes = 16000;
// A mailbox with more messages than the first buffer holds is listed with a larger one, so
// that none of its messages is left out; past this the library's own limits apply.
constexpr DWORD kIdentityListLimit = 16 * 1024 * 1024;

}  // namespace

DWORD MailTimeLimit(const LocalScanOptions& options)
{
    return options.incrementalScan ? ReadVexomarDword(kMailSubkey, kIncrementalTimeValue, 0) : static_cast<DWORD>(options.scanAfter);
}

DWORD MessageIdentities(MailAgent& agent, DWORD database, std::vector<PLVMessageId>& messages)
{
    std::vector<BYTE> ids(kIdentityListBytes);
    DWORD size = kIdentityListBytes;
    DWORD result = agent.GetAllMsgUids(database, ids.data(), size);
    while (result == PLV_E_MORE_DATA && ids.size() < kIdentityListLimit) {
        ids.resize(ids.size() * 2);
        size = static_cast<DWORD>(ids.size());
        result = agent.GetAllMsgUids(database, ids.data(), size);
    }
    // A list that is still not whole is not taken in part: no message is called scanned that was not.
    messages.clear();
    if (result != 0)
        return result;
    messages.resize(std::min<size_t>(size, ids.size()) / sizeof(PLVMessageId));
    std::memcpy(messages.data(), ids.data(), messages.size() * sizeof(PLVMessageId));
    return 0;
}

bool IsBeforeLimit(MailAgent& agent, DWORD database, const PLVMessageId& message, DWORD limit)
{
    DWORD time = 0;
    return limit != 0 && agent.GetMsgTime(database, message, time) == 0 && time < limit;
}

std::vector<MailboxMessageRow> ListMailboxMessages(MailAgent& agent, const std::string& mailbox, DWORD limit)
{
    std::vector<MailboxMessageRow> rows;
    DWORD database = 0;
    if (agent.OpenDatabase(mailbox, database) != 0)
        return rows;
    std::vector<PLVMessageId> messages;
    MessageIdentities(agent, database, messages);
    for (const PLVMessageId& id : messages) {
        if (IsBeforeLimit(agent, database, id, limit))
            continue;
        MailAttachmentRef message = {};
        message.database = database;
        message.message = id;
        const MessageHeader header = FetchMessageHeader(agent, message);
        rows.push_back({ReadableAddresses(agent, header.from), header.date, header.subject});
    }
    agent.CloseDatabase(database);
    return rows;
}
