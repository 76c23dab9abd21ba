// The ids of the About box's template and of the controls whose texts the
// code sets, shared by its resource script and the code. Plain #defines:
// windres reads this too.
#pragma once

#define IDD_ABOUT_BOX 100
#define IDI_ZENTAVO 128

#define IDC_ABOUT_VERSION 1200
#define IDC_ABOUT_RIGHTS 1201
#define IDC_ABOUT_POSTCARD 1202
#define IDC_ABOUT_ADDRESS 1203
