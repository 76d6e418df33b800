// Resource numbers of the notification pages: the port dialogs, the pager and SNMP pages and dialogs.
#pragma once

// The commands the frame forwards to the pages.
#include "resource.h"

// Dialogs and page bodies: 1100 ...
#define IDD_PORT_SETUP 1100
#define IDD_PORT_EDIT 1101
#define IDD_PAGER_PAGE 1102
#define IDD_PAGER_DLG 1103
#define IDD_SNMP_PAGE 1104
#define IDD_SNMP_DLG 1105

// "Port Configuration": 1110 ...
#define IDC_PORT_ADD 1110
#define IDC_PORT_DELETE 1111
#define IDC_PORT_EDIT 1112
#define IDC_PORT_SET_DEFAULT 1113
#define IDC_PORT_CLOSE 1114
#define IDC_PORT_LIST_FRAME 1115
#define IDC_PORT_DEFAULT_ID 1116
#define IDC_PORT_LIST 1117
// The port record editor.
#define IDC_PORT_NAME 1120
#define IDC_PORT_DESCRIPTION 1121
#define IDC_PORT_BAUD 1122
#define IDC_PORT_PARITY 1123
#define IDC_PORT_DATA_BITS 1124
#define IDC_PORT_STOP_BITS 1125

// The pager page's placeholder and "Pager Configuration": 1130 ...
#define IDC_PAGER_LIST_PLACE 1130
#define IDC_PAGER_OWNER 1131
#define IDC_PAGER_TYPE 1132
#define IDC_PAGER_NUMBER 1133
#define IDC_PAGER_ID 1134
#define IDC_PAGER_SITE 1135
#define IDC_PAGER_CONNECT_DELAY 1136
#define IDC_PAGER_CONNECT_SPIN 1137
#define IDC_PAGER_MESSAGE_DELAY 1138
#define IDC_PAGER_MESSAGE_SPIN 1139
#define IDC_PAGER_PORT 1140

// The SNMP page's placeholder and "SNMP Configuration": 1150 ...
#define IDC_SNMP_LIST_PLACE 1150
#define IDC_SNMP_NAME 1151
#define IDC_SNMP_VIA_IPX 1152
#define IDC_SNMP_VIA_IP 1153
#define IDC_SNMP_NETWORK 1154
#define IDC_SNMP_NODE 1155
#define IDC_SNMP_IP_FIRST 1156  // four fields, 1156 to 1159
#define IDC_SNMP_IP_SPIN_FIRST 1160  // their spins, 1160 to 1163

// List markers and their masks: 1170 ...
#define IDB_PAGER_NUMERIC 1170
#define IDB_PAGER_ALPHA 1171
#define IDB_PAGER_MASK 1172
#define IDB_SNMP_IPX 1173
#define IDB_SNMP_IP 1174
#define IDB_SNMP_MASK 1175

// Strings: the port dialogs' numbers, the pages' shared texts, then our own from 1190.
#define IDS_PORT_NEED_DESCRIPTION 16
#define IDS_PORT_LIST_FAILED 17
#define IDS_PORT_NO_DATA_EDIT 18
#define IDS_PORT_NOTHING_TO_EDIT 19
#define IDS_PORT_ID1_RESERVED 20
#define IDS_PORT_ASK_DELETE 21
#define IDS_PORT_NO_DATA_DELETE 22
#define IDS_PORT_NOTHING_TO_DELETE 23
#define IDS_PORT_NOTHING_DEFAULT 24
#define IDS_PORT_CHANGED_REMOTELY 25
#define IDS_PORTDEF_MISSING 27
#define IDS_SNMP_NAME_TOO_LONG 28
#define IDS_ASK_DELETE_ITEM 61231
#define IDS_NOTIFY_DISABLE 61257
#define IDS_NOTIFY_ENABLE 61258
#define IDS_NEED_MANAGER_NAME 61263
#define IDS_PAGER_NUMERIC 61265
#define IDS_PAGER_ALPHANUMERIC 61266
#define IDS_SNMP_VIA_IPX 61272
#define IDS_SNMP_VIA_IP 61273
#define IDS_EMPTY_LIST 1190
#define IDS_PORT_NOT_CONFIGURED 1191
#define IDS_SNMP_BAD_ADDRESS 1192
#define IDS_SNMP_BAD_IPX 1193
