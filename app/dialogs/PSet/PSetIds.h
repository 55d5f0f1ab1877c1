#pragma once
// Control identifiers of TPSetDlg, shared by its resource script and its
// class. Each page's controls lie in a hundred of their own, so that a
// page is shown by its range.

#define IDC_PSET_PAGECONTROL1 1190

// 詳細設定 (TabSheet1)
#define IDC_PSET_PAGE1 1200
#define IDC_PSET_SORTGROUP 1200
#define IDC_PSET_SORT0 1201
#define IDC_PSET_SORT1 1202
#define IDC_PSET_SORT2 1203
#define IDC_PSET_AUTOSORTCHK 1204
#define IDC_PSET_RSLABEL 1205
#define IDC_PSET_RSGROUP 1206
#define IDC_PSET_RS0 1207
#define IDC_PSET_RS1 1208
#define IDC_PSET_STATUSCHECK 1209
#define IDC_PSET_HIDECHECK 1210
#define IDC_PSET_SINGLEEXE 1211
#define IDC_PSET_FILEDISPCHK 1212
#define IDC_PSET_COUNTDISPCHK 1213
#define IDC_PSET_DIGLABEL 1214
#define IDC_PSET_DIGEDIT2 1215
#define IDC_PSET_FONTLABEL 1216
#define IDC_PSET_FONTDIG 1217
#define IDC_PSET_PTLABEL 1218
#define IDC_PSET_BUTTON1 1219

// 圧縮ファイル (TabSheet4)
#define IDC_PSET_PAGE2 1300
#define IDC_PSET_FOLDERGROUP 1300
#define IDC_PSET_MELTLABEL 1301
#define IDC_PSET_MELT_EDIT 1302
#define IDC_PSET_MELTCHK 1303
#define IDC_PSET_MELTBTN 1304
#define IDC_PSET_FREEZELABEL 1305
#define IDC_PSET_FREEZE_EDIT 1306
#define IDC_PSET_FREEZECHK 1307
#define IDC_PSET_FREEZEBTN 1308

// 表示設定 (TabSheet2)
#define IDC_PSET_PAGE3 1400
#define IDC_PSET_DISPGROUP 1400
#define IDC_PSET_DISP0 1401
#define IDC_PSET_DISP1 1402
#define IDC_PSET_SIDECHECK 1403
#define IDC_PSET_BTNP 1404
#define IDC_PSET_BTNP0 1405
#define IDC_PSET_BTNP1 1406
#define IDC_PSET_BUTTON11 1407
#define IDC_PSET_BUTTON12 1408
#define IDC_PSET_MONITORCHECK 1409
// The eleven swatches BHCol ... StatusCol and their buttons, in that order.
#define IDC_PSET_SWATCH 1420
#define IDC_PSET_COLORBUTTON 1440

// 日付設定 (TabSheet5)
#define IDC_PSET_PAGE4 1500
#define IDC_PSET_CLOCKLABEL 1500
#define IDC_PSET_AJUSTCLOCK 1501
#define IDC_PSET_NTPGROUP 1502
// The fourteen buttons of NTPGroup, captioned from the time-server table.
#define IDC_PSET_NTP 1510
