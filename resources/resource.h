#pragma once
// Identifiers shared by the resource script and the code.

#define IDI_TESSELLUX 100
#define IDB_PICTURE 100

// Items of the main window, "ID_Form1".
#define IDC_INSTALL 101
#define IDC_CANCEL 102
#define IDC_EXPLANATION 103
#define IDC_PROGRESS 104
#define IDC_PROGRESS_CAPTION 105
#define IDC_PICTURE 106
#define IDC_README 107
#define IDC_CREDITS 108
#define IDC_DESKTOP_ICON 109

// The one item of the backdrop, "ID_Form2".
#define IDC_BACKDROP_TITLE 101
