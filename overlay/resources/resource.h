// Resource identifiers of the overlay.
#pragma once

#define IDI_APP_GROUP 107
#define IDI_FRAME 108
#define IDR_MAINMENU 109
#define IDR_ACCELERATORS 109
#define IDS_APP_NAME 109
#define IDS_APP_TITLE 40000
#define IDD_DIVISION_COUNT 110
#define IDD_DIVISION_WIDTH 112
#define IDD_CUSTOM_RATIO 114
#define IDD_FRAME_SIZE 116  // the work tools' size dialog
#define IDC_UPPER_EDIT 40004
#define IDC_LOWER_EDIT 40005
#define IDC_UPPER_SPIN 40006
#define IDC_LOWER_SPIN 1000
