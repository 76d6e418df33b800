// Resource numbers of start-up: the About box, the Connect Alert Server, splash and Exchange Mail dialogs.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDD_STARTUP_ABOUT 100
#define IDD_CONNECT_SERVER 101
#define IDD_STARTUP_SPLASH 134
#define IDD_EXCHANGE_MAIL 188

// The splash bitmap button, in the splash window and in the About box.
#define IDC_SPLASH_BITMAP 272

// Connect Alert Server.
#define IDC_CONNECT_SERVER 110
#define IDC_CONNECT_PASSWORD 111
#define IDC_CONNECT_USER 112

// Exchange Mail Configuration.
#define IDC_EXCHANGE_MAILBOX 111
#define IDC_EXCHANGE_SERVER 113

#define IDS_INSTALL_NOT_COMPLETED 61241
#define IDS_ALREADY_RUNNING 61242
// The start-up and connection messages that have no number of their own elsewhere.
#define IDS_CUSTOM_CONTROLS_MISSING 61330
#define IDS_EXCHANGE_CLIENT_MISSING 61331
#define IDS_LOGON_REFUSED 61332
#define IDS_LOGON_FAILED 61333
#define IDS_LOGON_TOO_LONG 61334
