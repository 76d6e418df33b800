// Resource numbers of the broadcast address table pages and their entry dialogs in SERVICE.DLL.
#pragma once

// Pages of the broadcast configuration sheet; each holds the placeholder the list takes over.
#define IDD_NT_DOMAINS_PAGE 640
#define IDD_IP_NETS_PAGE 641
#define IDD_IP_MASKS_PAGE 642
#define IDC_TABLE_PLACEHOLDER 106
#define IDC_TABLE_HINT 107

// Entry dialogs.
#define IDD_NT_DOMAIN_ENTRY 643
#define IDD_IP_NET_ENTRY 644
#define IDD_IP_MASK_ENTRY 645
#define IDC_ENTRY_NAME 1001
#define IDC_ENTRY_NETWORK 1002
#define IDC_ENTRY_MASK 1003
#define IDC_ENTRY_DISABLE 1004

// Texts with the numbers the service manager has always used.
#define IDS_TABLE_YES 4234
#define IDS_TABLE_NO 4235
#define IDS_TABLE_AUTO 4236
#define IDS_TABLE_USER 4237
#define IDS_ASK_DELETE 15017
#define IDS_NO_DOMAIN_NAME 16006
#define IDS_NOTHING_TO_DELETE 16039
#define IDS_NOTHING_SELECTED 16044
#define IDS_DOMAIN_BAD_CHARACTER 28015
#define IDS_DOMAIN_FORBIDDEN_CHARACTERS 28036

// Texts of the pages that had no number of their own.
#define IDS_DOMAIN_TABLE_FULL 6410
#define IDS_IPNET_TABLE_FULL 6411
#define IDS_IPMASK_TABLE_FULL 6412
#define IDS_ERROR_MODIFYING_DOMAIN 6413
#define IDS_ERROR_MODIFYING_IPNET 6414
#define IDS_ERROR_MODIFYING_IPMASK 6415
#define IDS_LIST_NOT_CREATED 6416
#define IDS_BAD_IP_NET 6417
#define IDS_BAD_IP_MASK 6418
#define IDS_NULL_DOMAIN_RECORD 6419
#define IDS_NULL_IP_RECORD 6420
