// Resource numbers of the event viewer: its page, the event file dialog, markers and strings.
#pragma once

// The commands the frame forwards to the page.
#include "resource.h"

// The event log page and its list box, whose place the column list takes.
#define IDD_EVENT_LOG 136
#define IDC_EVENT_LIST 227

// The "View Event File" dialog.
#define IDD_VIEW_EVENT_FILE 138
#define IDC_EVENT_FILE_TEXT 110
#define IDC_EVENT_FILE_PRINT 111

// Priority markers and their masks: critical, warning, informational.
#define IDB_EVENT_CRITICAL 160
#define IDB_EVENT_INFORMATIONAL 161
#define IDB_EVENT_WARNING 162
#define IDB_EVENT_CRITICAL_MASK 1010
#define IDB_EVENT_WARNING_MASK 1011
#define IDB_EVENT_INFORMATIONAL_MASK 1012

// Strings. IDS_START_ALERT_SERVICE is shared with the activity log.
#define IDS_START_ALERT_SERVICE 15
#define IDS_COLUMN_APPLICATION 61213
#define IDS_COLUMN_DESCRIPTION 61215
#define IDS_COLUMN_DATE_TIME 61216
#define IDS_ASK_DELETE_EVENT 61234
#define IDS_ASK_DELETE_ALL_EVENTS 61235
#define IDS_NO_EVENT_FILE 61236
#define IDS_NO_EVENT_LOG 61281
#define IDS_EVENT_PRINT_JOB 62004
#define IDS_EVENT_FILE_PRINT_JOB 62005
