// Resource numbers of the tab window tests.
#pragma once

#define IDD_TAB_TEST_PAGE 100
#define IDC_TEST_EDIT 1001
#define IDC_TEST_READONLY 1002
#define IDC_TEST_BUTTON 1003
#define IDC_TEST_LIST 1004
#define IDR_TAB_TEST_MENU 200
#define ID_TEST_MENU_FIRST 40001
#define ID_TEST_MENU_SECOND 40002
