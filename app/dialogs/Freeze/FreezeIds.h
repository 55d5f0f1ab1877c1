#pragma once
// Control identifiers of TFDlg, shared by its resource script and its class.

#define IDC_FDLG_LABEL1 1101
#define IDC_FDLG_EDIT1 1102
#define IDC_FDLG_CHECKBOX1 1103
#define IDC_FDLG_FREEZETYPE 1104
#define IDC_FDLG_LZH 1105
#define IDC_FDLG_ZIP 1106
#define IDC_FDLG_CAB 1107
