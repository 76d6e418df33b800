// Resource numbers of the e-mail page, its "Mail Sign In" dialog and the configuration summary page.
#pragma once

// The commands the frame forwards to the pages.
#include "resource.h"

// Command of the e-mail page beyond the frame's: make the subject editable and focus it.
#define ID_EMAIL_SETUP 236
// The "Return receipt" box, whose click commits.
#define IDC_EMAIL_RECEIPT 203

// Dialogs and page bodies: 1400 ...
#define IDD_EMAIL_PAGE 1400
#define IDD_MAIL_SIGN_IN 1401
#define IDD_SUMMARY_PAGE 1402

// The e-mail page's own controls: 1410 ...
#define IDC_EMAIL_TO 1410
#define IDC_EMAIL_CC 1411
#define IDC_EMAIL_SUBJECT 1412
#define IDC_EMAIL_FILES 1413
#define IDC_EMAIL_TO_LABEL 1414
#define IDC_EMAIL_CC_LABEL 1415
#define IDC_EMAIL_SUBJECT_LABEL 1416
#define IDC_EMAIL_FILES_LABEL 1417
#define IDC_EMAIL_STATUS 1418
// "Mail Sign In".
#define IDC_SIGN_IN_NAME 1420
#define IDC_SIGN_IN_PASSWORD 1421
// The summary page's placeholder.
#define IDC_SUMMARY_LIST_PLACE 1430

// List markers of the summary page and their mask: 1440 ...
#define IDB_SUMMARY_MACHINE 1440
#define IDB_SUMMARY_DOMAIN 1441
#define IDB_SUMMARY_MACHINE_MASK 1442
#define IDB_SUMMARY_DOMAIN_MASK 1443

// Strings: the pages' numbers, then our own from 1450.
#define IDS_EVENT_VIEWER 11
#define IDS_TOO_MANY_ATTACHMENTS 61232
#define IDS_MAILBOX_REFUSED 61261
#define IDS_NT_MACHINE 61278
#define IDS_NT_DOMAIN 61279
#define IDS_ADDRESS_CAPTION 62000
#define IDS_ATTACH_FILTER 62002
#define IDS_ADDRESS_LABEL 62008
#define IDS_ATTACH_TITLE 62011
#define IDS_MAPI_NOT_LOADED 1450
#define IDS_MAPI_INCOMPLETE 1451
#define IDS_NAME_TOO_LONG 1452
#define IDS_PATH_TOO_LONG 1453
#define IDS_SUMMARY_TITLE 1454
