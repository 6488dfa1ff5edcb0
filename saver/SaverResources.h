#pragma once

// Resource identifiers shared by Tessellux.rc and the code.
#define IDS_DESCRIPTION 1  // the name Windows lists screen savers by
#define IDI_TESSELLUX 100
#define IDD_SETTINGS 200
#define IDC_PREVIEW 1001
#define IDC_FAMILY 1002
#define IDC_PALETTE 1003
#define IDC_SPEED 1004
#define IDC_DENSITY 1005
