// The resource and control ids, for VornakStarter.rc and the program's code
// alike: the build turns the ID... lines into dialog/control_ids.h
// (res/make_dialog_tables.py).
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_STARTER 102
#define IDR_MAINFRAME 128
#define IDB_MODIMAGES 137
#define IDB_BANNER 138

#define IDC_MODLIST 1001
#define IDC_DESCRIPTION 1002
#define IDC_WINDOWED 1003
#define IDC_NOSOUND 1004
#define IDC_NOMUSIC 1005
#define IDC_REPARSE 1006
#define IDC_CONVERTALL 1007
#define IDC_CONVERTTEXTURES 1008
#define IDC_PHYSICALFIRST 1009
#define IDC_ACTIONS 1010
#define IDC_SPYLEVEL 1011
#define IDC_SPYLEVEL_LABEL 1012
#define IDC_ARCHIVELOG 1013
#define IDC_BANNER 1014
#define IDC_PARAMETERS 1015
#define IDC_APPLICATION 1016
#define IDC_APPLICATION_LABEL 1017
#define IDC_AUTOCONVERT 1018
#define IDC_DEVELOPMENT 1019
#define IDC_HELP_BUTTON 1027
// The Start and Exit buttons are the dialog's OK and Cancel.
#define IDC_START IDOK
#define IDC_EXIT IDCANCEL

// The About entry of the system menu.
#define IDM_ABOUTBOX 0x0010
// The mod list's context menu entry.
#define IDM_CREATE_SHORTCUT 0x0020
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Combo-box initialisation data: the resource type and the add-string message
// the data records carry.
#define RT_DLGINIT_DATA 240
#define DLGINIT_ADDSTRING 0x0403
