#pragma once
// Control identifiers of TSortDlg, shared by its resource script and its class.

#define IDC_SORTDLG_LIST1 1101
#define IDC_SORTDLG_LIST2 1102
#define IDC_SORTDLG_RIGHT 1103
#define IDC_SORTDLG_LEFT 1104
#define IDC_SORTDLG_LABEL1 1105
#define IDC_SORTDLG_LABEL2 1106
