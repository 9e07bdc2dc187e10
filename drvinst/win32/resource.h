/* Resource and control IDs of the Windows installer, shared by the resource
   script and the code. Only preprocessor lines: windres reads this too. */
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDR_MAINFRAME 128
#define IDD_DRVINST_CHINESE 2000
#define IDD_DRVINST_ENGLISH 2001
#define IDC_INSTALL 1001
#define IDC_WEB_ADDRESS 1007

/* The system-menu command of the About entry. */
#define IDM_ABOUTBOX 0x0010
