// String numbers of the Local Scanner's mail-database scanning and its mail notification.
#pragma once

#define IDS_MAIL_DETECTION 509
#define IDS_MAIL_IN_MAILBOX 29014
#define IDS_MAIL_MESSAGE_INFORMATION 29015
#define IDS_MAIL_NO_MESSAGE_INFORMATION 29016
#define IDS_MAIL_NOTE_SUBJECT 32784
#define IDS_MAIL_NOTE_OWNER 32785
#define IDS_MAIL_ARCHIVE_IN_DATABASE 32788
#define IDS_MAIL_IN_DATABASE 32789
#define IDS_MAIL_NOTE_SENDER 32790
#define IDS_MAIL_NOTE_ADMINISTRATOR 32791
// A mail-database file whose mail could not be read (beside the scan's other not-scanned texts).
#define IDS_MAIL_DATABASE_NOT_READ 29120
#define IDS_MAIL_MAILBOX_ITEM 29121
#define IDS_MAIL_MAILBOX_NOT_READ 29122

// The columns of a mailbox's messages.
#define IDS_MAIL_COLUMN_WHO 29019
#define IDS_MAIL_COLUMN_DATE 29020
#define IDS_MAIL_COLUMN_SUBJECT 29021
