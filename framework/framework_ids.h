// The framework's standard command, control-bar and message numbers (usable in resource scripts).
#pragma once

// Sent by the idle pass to frames and control bars: wParam 1 disables commands without handlers.
#define WM_IDLEUPDATECMDUI 0x0363

#define ID_SEPARATOR 0

// Standard commands.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_INDEX 57666
#define ID_HELP_FINDER 57667
#define ID_HELP_CONTENTS 57670
#define ID_HELP 57671

// Control bars and their toggles; the view toggle commands carry the bar's own id.
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393
#define AFX_IDW_TOOLBAR 59392
#define AFX_IDW_STATUS_BAR 59393
#define AFX_IDW_PANE_FIRST 59648

// Status-bar indicators of the keyboard state.
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139

// The status bar's idle text.
#define AFX_IDS_IDLEMESSAGE 57345
