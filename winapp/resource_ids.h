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

// Where template 102 places its controls, in dialog units: left, top,
// width, height. The window grows from these (main_window.cpp).
#define MAIN_WINDOW_SIZE 340, 226
#define PATTERN_LABEL_RECT 7, 169, 61, 8
#define PATTERN_RECT 69, 167, 128, 72
#define RECURSE_RECT 69, 185, 128, 10
#define SET_FILENAMES_RECT 69, 204, 58, 14
#define RENAME_RECT 139, 204, 58, 14
#define HELP_BUTTON_RECT 282, 188, 50, 14
#define EXIT_RECT 282, 205, 50, 14
#define RENAME_LIST_RECT 7, 7, 325, 153

#define IDC_PROGRESS_TEXT 1100
#define IDC_PROGRESS_BAR 1101
