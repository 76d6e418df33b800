// Resource numbers of the Alert Manager.
#pragma once

#define IDR_MAINFRAME        2
#define IDS_APP_TITLE        61243
#define IDS_TAB_FACE_NAME    62010
