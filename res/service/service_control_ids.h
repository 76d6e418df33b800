// Resource numbers of the service commands of SERVICE.DLL: the questions, the status lines and the
// results of a start or a stop, the "Login" dialog and the domain broadcast dialog.
#pragma once

// Questions, with the node name.
#define IDS_ASK_START_DOMAIN 30048
#define IDS_ASK_START_MEMBER 30050
#define IDS_ASK_START_SINGLE 30051
#define IDS_ASK_STOP_DOMAIN 30055
#define IDS_ASK_STOP_MEMBER 30056
#define IDS_ASK_STOP_SINGLE 30057

// The host's status line while one server is started or stopped.
#define IDS_STARTING_MEMBER 30053
#define IDS_STARTING_SINGLE 30054
#define IDS_STOPPING_MEMBER 30059
#define IDS_STOPPING_SINGLE 30060

// Results of a start or a stop by status.
#define IDS_NOT_AUTHORIZED 24034
#define IDS_ALREADY_INACTIVE 28037
#define IDS_NO_SUCH_SERVICE 28038
#define IDS_COULD_NOT_STOP 28039
#define IDS_DEPENDENTS_RUNNING 28040
#define IDS_NO_TIMELY_ANSWER 28041
#define IDS_ALREADY_ACTIVE 28042
#define IDS_OPERATION_NOT_AUTHORIZED 28043
#define IDS_SERVICE_DISABLED 28044
#define IDS_CANNOT_ACCEPT_CONTROL 28045
#define IDS_COULD_NOT_START 28046

// The "Login" dialog.
#define IDD_LOGIN 660
#define IDC_LOGIN_ERROR 1201
#define IDC_LOGIN_SERVER 1202
#define IDC_LOGIN_TEXT 1203
#define IDC_LOGIN_USER 1204
#define IDC_LOGIN_PASSWORD 1205
#define IDS_LOGIN_FAILED 4222

// The "Synchronize Broadcast Information" dialog.
#define IDD_SYNC_BROADCAST 661
#define IDC_SYNC_SOURCE 1211
#define IDC_SYNC_BROADCAST 1212
#define IDC_SYNC_NT_DOMAINS 1213
#define IDC_SYNC_IP_NETS 1214
#define IDC_SYNC_IP_MASKS 1215
#define IDS_ERROR_GET_BROADCAST 6430
