#pragma once
// Control and menu identifiers of the main window.

#include <windows.h>

#include <cstdint>

enum TControlId : int {
  kPanel1 = 100,  // the tool bar
  kPanel2,        // the body
  kSysPanel,      // the quick bar
  kATab,          // the sheet tabs
  kPanel3,        // the folder bar
  kPanel4,        // the item panel that holds PAria
  kPAria,         // the item area
  kPaintBar,      // the item area's scroll bar
  kStatusBar1,    // the status bar with the application hint
  kArcPnl,        // the extract drop target
  kFreezePnl,     // the compress drop target
  kSetteiBtn,     // 設定: 各種設定
  kFowardBtn,     // 前面: 前面表示
  kLDBtn,         // ｸｲｯｸ: クイックバー表示
  kToolBtn,       // ﾂｰﾙ: ツールボックス
  kHelpBtn,       // ?: ヘルプ
  kMyDocBtn,      // マイドキュメント
  kMyComBtn,      // マイコンピュータ
  kMyNetBtn,      // ネットワークコンピュータ
  kIEBtn,         // インターネット
  kCtrlBtn,       // コントロールパネル
  kProgBtn,       // PROGRAM
  kStartBtn,      // ｽﾀｰﾄｱｯﾌﾟ
  kFindEdit,      // the find field under the item area
  // Item popup menu Pop.
  kK9 = 200,       // 登録アプリのフォルダを開く
  kN7,             // 表示名の変更
  kN5,             // 起動オプション編集
  kDelete1,        // 削除
  kK8,             // コントロールパネル
  kN4,             // レジストリエディタ
  kKZELK1,         // ZELKの終了
  kKWindows1,      // Windows終了
  kRegisterFiles,  // ファイルの登録...
  // Sheet popup menu seetpop.
  kStCreate = 250,  // ｼｰﾄの作成
  kStRename,        // ｼｰﾄ名変更
  kStDelete,        // ｼｰﾄの削除
  kK4,              // 並びの変更
  // The move-to submenu GoTo1 (移動): one entry per sheet from here on.
  kMoveToFirst = 300,
};

inline constexpr int kHotKeyId = 0;

// Window timers of the main window.
inline constexpr std::uintptr_t kDblTimerId = 1;
inline constexpr std::uintptr_t kNetTimerId = 3;
// The timer of the item area's own window that watches the item hint.
inline constexpr std::uintptr_t kHintTmId = 2;

// Private messages of the main window.
// The icon cache finished look-ups: the item area shows their icons.
inline constexpr UINT kIconsLookedUpMessage = WM_APP + 1;
