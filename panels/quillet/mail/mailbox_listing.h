// What the scan and the panel read of a mailbox: its message identities, the time limit of the
// options, and the rows that show its messages (who, date, subject).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "local_scan_options.h"
#include "plv.h"

class MailAgent;

// The time of the last full mail scan: registry subkey "MAIL", DWORD "IncTime", in the unit of
// the options' "scan after".
inline constexpr char kMailSubkey[] = "MAIL";
inline constexpr char kIncrementalTimeValue[] = "IncTime";

// The time before which messages are passed over: the last mail scan's "IncTime" for an
// incremental scan, else the options' "scan after"; 0 for none.
DWORD MailTimeLimit(const LocalScanOptions& options);

// Every message identity of the open database; the library's answer, and none when it could
// not list them all.
DWORD MessageIdentities(MailAgent& agent, DWORD database, std::vector<PLVMessageId>& messages);

// A message dated before the limit; one whose time cannot be read is never passed over.
bool IsBeforeLimit(MailAgent& agent, DWORD database, const PLVMessageId& message, DWORD limit);

struct MailboxMessageRow {
    std::string who;  // the sender, as a readable address list
    std::string date;
    std::string subject;
};

// One row for each message of the mailbox within the limit; none when it cannot be opened.
std::vector<MailboxMessageRow> ListMailboxMessages(MailAgent& agent, const std::string& mailbox, DWORD limit);
