// Resource numbers of the Service Manager's panel: the tree, the server and property lists, the
// scanning statistics dialog. The numbers the node commands and texts are known by elsewhere.
#pragma once

// Toolbar strip and menu of the panel share the plug-in's resource number.
#define IDB_SERVICE_PANEL_TOOLBAR 106

// Node commands (their work comes with the configuration and control windows).
#define ID_NODE_START_SERVICE 24029
#define ID_NODE_REFRESH_BROWSER 24037
#define ID_NODE_STOP_SERVICE 24043
#define ID_NODE_CONFIGURE_SERVICE 24044
#define ID_NODE_CONFIGURE_BROADCASTS 24045
#define ID_NODE_SYNCHRONIZE 24046
#define ID_NODE_SCAN_STATISTICS 24047

// State texts of the server list and the property list.
#define IDS_STATE_ACTIVE 4001
#define IDS_STATE_DONE 4004
#define IDS_STATE_FAILED 4005
#define IDS_STATE_INACTIVE 4011
#define IDS_STATE_REALTIME_INACTIVE 4012
#define IDS_STATE_NA 4019
#define IDS_STATE_NO_JOBS 4021
#define IDS_STATE_PRESCANNING 4028
#define IDS_STATE_SCANNING 4029
#define IDS_STATE_HELD 4030
#define IDS_STATE_SCHEDULED 4031
#define IDS_ACTION_REPORT_ONLY 4040
#define IDS_ACTION_DELETE 4041
#define IDS_ACTION_RENAME 4042
#define IDS_ACTION_CURE 4043
#define IDS_ACTION_MOVE 4044
#define IDS_ACTION_PURGE 4045
#define IDS_ACTION_RENAME_MOVE 4046
#define IDS_STATE_UNKNOWN 4049

// Property list lines: label, TAB, value, TAB, order key (4106 is not one of them).
#define IDS_PROPERTY_FIRST 4100
#define IDS_PROPERTY_LAST 4117
#define IDS_PROPERTY_SKIPPED 4106

#define IDS_NO_NETWORK_DATA 4220
#define IDS_DOMAINS_SERVERS 30040
#define IDS_STATISTICS_FAILED 30102

// Scanning statistics dialog.
#define IDD_SCAN_STATISTICS 320
#define IDC_STAT_TARGET 3201
#define IDC_STAT_FILE 3202
#define IDC_STAT_STATUS 3203
#define IDC_STAT_FOLDERS 3204
#define IDC_STAT_FILES 3205
#define IDC_STAT_INFECTED 3206
#define IDC_STAT_VIRUSES 3207
#define IDC_STAT_NOT_SCANNED 3208
#define IDC_STAT_TO_SCAN 3209
