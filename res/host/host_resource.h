// Resource numbers of VXMGR.EXE.
#pragma once

#define IDI_HOST 1
#define IDR_HOST_MENU 100
#define IDD_HOST_ABOUT 110
#define IDS_HOST_TITLE 200
#define IDS_HOST_READY 201
#define IDS_HOST_NO_PANELS 202
#define IDS_HOST_PANEL_REFUSED 203

#define ID_HOST_EXIT 40001
#define ID_HOST_ABOUT 40002
// One command per panel from here on, in the order of the panel list.
#define ID_HOST_PANEL_FIRST 40100
#define ID_HOST_PANEL_LAST 40199
// The MDI client numbers its children's Window menu entries from here.
#define ID_HOST_FIRST_CHILD 50000
