// Resource identifiers of the settings editor.
#pragma once

#define IDD_SETTINGS 100
#define IDI_QUILLET 103
#define IDC_LINE_WIDTH_LABEL 1000
#define IDC_SWATCH 1001
#define IDC_LINE_COLOUR 1002
#define IDC_OUTER_LABEL 1003
#define IDC_LINE_WIDTH 1004
#define IDC_LINE_WIDTH_SPIN 1006
#define IDC_TRAY 1009
#define IDC_ALT 1010
#define IDC_CTRL 1012
#define IDC_SHIFT 1014
#define IDC_WIN 1016
#define IDC_STARTUP_GUIDE 1021
#define IDC_KEY 1023
#define IDC_KEY_LABEL 1024
#define IDC_WIDTH 1026
#define IDC_WIDTH_SPIN 1028
#define IDC_HEIGHT_SPIN 1032
#define IDC_HEIGHT 1033
#define IDC_OUTER_ON 1034
#define IDC_OUTER_OFF 1035
// The group of extensions: a box per Ext bit, then the interface language.
#define IDC_EXT_RAILMAN 1040
#define IDC_EXT_GOLDEN 1041
#define IDC_EXT_SAFE_AREAS 1042
#define IDC_EXT_TOOLS 1043
#define IDC_EXT_OUTLINE 1044
#define IDC_EXT_NO_CAPTURE 1045
#define IDC_LANGUAGE_AUTO 1046
#define IDC_LANGUAGE_JAPANESE 1047
#define IDC_LANGUAGE_ENGLISH 1048
// The settings file that OK writes.
#define IDC_SETTINGS_PATH 1049
// The own lines' and the dimming's boxes, and the dimming's level in per cent.
#define IDC_EXT_OWN_LINES 1050
#define IDC_EXT_DIMMING 1051
#define IDC_DIM_LEVEL 1052
#define IDC_DIM_LEVEL_SPIN 1053
