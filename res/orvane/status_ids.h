// Resource and command numbers of the Alert Summary page and the activity log view.
#pragma once

// The commands the frame forwards to the pages.
#include "resource.h"

// The Alert Summary page.
#define IDD_ALERT_SUMMARY 106
#define IDC_CRITICAL_PICTURE 205
#define IDC_WARNING_PICTURE 206
#define IDC_INFORMATIONAL_PICTURE 207
#define IDC_CRITICAL_COUNT 208
#define IDC_WARNING_COUNT 113
#define IDC_INFORMATIONAL_COUNT 114
#define IDC_SERVICE_MESSAGE 279

#define IDB_CRITICAL_ALERTS 150
#define IDB_WARNING_ALERTS 164
#define IDB_INFORMATIONAL_ALERTS 155

#define IDS_START_SERVICE_FIRST 13
#define IDS_ACTIVITY_LOG_JOB 62001
