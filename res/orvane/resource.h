// Resource numbers of the Alert Manager's main frame and of the commands every part shares.
#pragma once

// Icons, bitmaps, menus and the accelerator table.
#define IDR_MAINFRAME        2
#define IDB_APP_TOOLBAR      2
#define IDI_RING_FIRST       130  // three animation icons, 130 to 132
#define IDR_MENU_STATISTICS  3
#define IDR_MENU_ACTIVITY    8
#define IDR_MENU_EVENTS      10
#define IDR_MENU_BROADCAST   4
#define IDR_MENU_PAGER       5
#define IDR_MENU_SNMP        9
#define IDR_MENU_TICKET      6
#define IDR_MENU_EMAIL       7
#define IDR_MENU_EVENT_LOG   179
#define IDD_EMPTY_PAGE       190

// Commands.
#define ID_SERVICE_START        105
#define ID_EVENT_CLEAR_SELECTED 106
#define ID_SERVICE_PAUSE        107
#define ID_SERVICE_STOP         108
#define ID_NOTIFY_TOGGLE        129
#define ID_SNMP_NEW             157
#define ID_SNMP_MODIFY          168
#define ID_SNMP_DELETE          170
#define ID_EMAIL_ATTACH         184
#define ID_EMAIL_DETACH         197
#define ID_EVENT_CLEAR_ALL      228
#define ID_EVENT_VIEW           229
#define ID_PAGE_HELP            232
#define ID_EMAIL_ADDRESS        245
#define ID_SHOW_CONFIGURATION   32768
#define ID_SHOW_LOGS            32769
#define ID_SHOW_STATISTICS      32771
#define ID_PAGER_NEW            32794
#define ID_PAGER_MODIFY         32795
#define ID_PAGER_DELETE         32796
#define ID_PAGER_TOGGLE         32797
#define ID_EMAIL_TOGGLE         32798
#define ID_EMAIL_RECEIPT        32799
#define ID_SERVICE_PAUSE_MENU   32800
#define ID_ACTIVITY_CLEAR       32801
#define ID_SUMMARY_BROADCAST    32804
#define ID_SUMMARY_PAGER        32805
#define ID_SUMMARY_SNMP         32806
#define ID_SUMMARY_TICKET       32807
#define ID_SUMMARY_EMAIL        32808
#define ID_SELECT_SERVER        32810
#define ID_PAGER_PORT_SETUP     32811
#define ID_EXCHANGE_MAIL_SETUP  32817

// Status-bar panes and the application selector.
#define ID_INDICATOR_TIME       9
#define ID_INDICATOR_DATE       10
#define ID_INDICATOR_SERVICE    61286
#define IDC_APPLICATION_SELECTOR 61244

// Strings.
#define IDS_SERVICE_STOPPING    61220
#define IDS_SERVICE_STARTED     61221
#define IDS_SERVICE_STOPPED     61222
#define IDS_SERVICE_PAUSED      61223
#define IDS_SERVICE_UNKNOWN     61224
#define IDS_APP_TITLE           61243
#define IDS_TITLE_ALERT_SUMMARY 61264
#define IDS_TITLE_EVENT_LOG     61207
#define IDS_TITLE_ACTIVITY_LOG  61206
#define IDS_TITLE_SUMMARY       61274
#define IDS_TITLE_BROADCAST     61210
#define IDS_TITLE_PAGER         61209
#define IDS_TITLE_SNMP          61211
#define IDS_TITLE_TICKET        61212
#define IDS_TITLE_EMAIL         61208
#define IDS_TITLE_EVENT_NOTIFY  61287
#define IDS_TAB_FACE_NAME       62010
