// The ids of the main window's resources and controls, shared by the
// resource script and the code. Plain #defines: windres reads this too.
#pragma once

#define IDD_MAIN_WINDOW 102
#define IDD_PROGRESS 103
#define IDB_ROW_IMAGES 134
#define IDS_ABOUT_ENTRY 101

// Dialog-initialisation data, as the template's own resource type keeps it.
#define RT_DIALOG_INIT 240

#define IDC_RECURSE 1000
#define IDC_RENAME_LIST 1003
#define IDC_PATTERN 1004
#define IDC_SET_FILENAMES 1005
#define IDC_RENAME 1006
#define IDC_EXIT 1007
#define IDC_PATTERN_LABEL 1008
#define IDC_HELP_BUTTON 57670

#define IDC_PROGRESS_TEXT 1100
#define IDC_PROGRESS_BAR 1101
