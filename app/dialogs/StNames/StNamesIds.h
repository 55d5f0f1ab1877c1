#pragma once
// Control identifiers of TStDlg, shared by its resource script and its class.

#define IDC_STDLG_GROUPBOX1 1001
#define IDC_STDLG_EDIT1 1002
