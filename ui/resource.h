// Resource, command and control ids of QUINTARO. Shared by the resource
// script and the C++ code, so it holds only #define lines.
#ifndef QUINTARO_RESOURCE_H
#define QUINTARO_RESOURCE_H

#define IDD_ABOUT                100
#define IDS_ABOUT_MENU           101
#define IDD_MAIN                 102
#define IDI_APP                  128
#define IDB_SPECTRUM_SKETCH      129

// System-menu command; its low four bits belong to the system.
#define IDM_ABOUT                0x0010

#define IDC_PERIOD               1000
#define IDC_FQ_MIN               1001
#define IDC_FQ_MAX               1002
#define IDC_FK_MIN               1003
#define IDC_FK_MAX               1004
#define IDC_FM_MIN               1005
#define IDC_FM_MAX               1006
#define IDC_SPECTRUM_TYPE1       1007
#define IDC_SPECTRUM_TYPE2       1008
#define IDC_CALCULATE            1009
#define IDC_SOIL_A               1010
#define IDC_SOIL_B               1011
#define IDC_SOIL_C               1012
#define IDC_SOIL_D               1013
#define IDC_SOIL_E               1014
#define IDC_BEHAVIOUR_FACTOR     1015
#define IDC_DISP_MIN             1016
#define IDC_FORCE_MIN            1017
#define IDC_DISP_MAX             1018
#define IDC_FORCE_MAX            1019
#define IDC_AG                   1020

// The framework's own strings and commands that the program shows or uses.
#define AFX_IDS_APP_TITLE        0xE000
#define ID_HELP                  0xE146
#define IDS_HELP_LAUNCH_FAILED   0xF107
#define IDS_INTERNAL_FAILURE     0xF108
#define IDS_OUT_OF_MEMORY        0xF10A
#define IDS_ENTER_NUMBER         0xF111
#define IDS_ENTER_NUMBER_RANGE   0xF113

#endif
