#pragma once
// Control identifiers of TToolDlg, shared by its resource script and its
// class. Each tool button's identifier is its tag, the dialog's modal result.

#define IDC_TOOLDLG_CTRLBTN 100
#define IDC_TOOLDLG_REGBTN 101
#define IDC_TOOLDLG_DOSBTN 102
#define IDC_TOOLDLG_PAINTBTN 103
#define IDC_TOOLDLG_MEMOBTN 104
#define IDC_TOOLDLG_DENBTN 106
