#pragma once

#include <cstdint>
// Control and menu identifiers of the main window.

enum TControlId : int {
  kPanel1 = 100,
  kPanel2,
  kSysPanel,
  kATab,
  kPanel3,
  kPanel4,
  kPAria,
  kPaintBar,
  kStatusBar1,
  kArcPnl,
  kFreezePnl,
  kSetteiBtn,
  kFowardBtn,
  kLDBtn,
  kToolBtn,
  kHelpBtn,
  kMyDocBtn,
  kMyComBtn,
  kMyNetBtn,
  kIEBtn,
  kCtrlBtn,
  kProgBtn,
  kStartBtn,
  // Item popup menu Pop.
  kK9 = 200,
  kN7,
  kN5,
  kDelete1,
  kK8,
  kN4,
  kKZELK1,
  kKWindows1,
  // Sheet popup menu seetpop.
  kStCreate = 250,
  kStRename,
  kStDelete,
  kK4,
  // The move-to submenu: one entry per sheet from here on.
  kMoveToFirst = 300,
};

inline constexpr int kHotKeyId = 0;

// Window timers of the main window.
inline constexpr std::uintptr_t kDblTimerId = 1;
inline constexpr std::uintptr_t kHintTmId = 2;
inline constexpr std::uintptr_t kNetTimerId = 3;
