// Resource ids of VXMSGR.EXE, the Vexomar messenger.
#pragma once

#define IDD_MESSENGER_MESSAGE 100
#define IDC_MESSAGE_RECEIVED 1001
#define IDC_MESSAGE_TEXT 1002

#define IDS_MESSAGE_CAPTION 200
#define IDS_MESSAGE_RECEIVED 201
