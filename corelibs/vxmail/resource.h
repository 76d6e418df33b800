// Resource numbers of VXMAIL32.DLL.
#pragma once

#define IDD_ADDRESS_BOOK 100
#define IDC_MAILBOXES 101
#define IDC_ADD_TO 102
#define IDC_ADD_CC 103
#define IDC_TO_LIST 104
#define IDC_CC_LIST 105
#define IDC_REMOVE 106
#define IDC_TO_LABEL 107
#define IDC_CC_LABEL 108
#define IDC_MAILBOX_LABEL 109
