#pragma once
// The launcher's settings, one field per key of the settings file, with the
// file's defaults. Byte keys live in 8-bit fields and are written back from them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings/Colors.h"
#include "app/settings/Profile.h"

inline constexpr std::wstring_view kGeneralSection = L"設定";
inline constexpr std::wstring_view kColorSection = L"色";

// The move-to submenu holds one entry per sheet in a table of this size.
inline constexpr std::size_t kMaxSheets = 51;
inline constexpr int kCarriedPairs = 10;

struct TSettings {
  std::int32_t DBLMODE = 0;
  std::uint8_t SIDECLICK = 1;
  std::uint8_t STATUS_DISP = 1;
  std::uint8_t EXE_HIDE = 0;
  std::uint8_t SINGLE_EXE = 1;
  std::uint8_t FILE_DISP = 0;
  std::uint8_t COUNT_DISP = 0;
  std::int32_t NTP = 1;
  bool AJCLK = false;
  TColor BH = clBtnHighlight;
  TColor BM = clBtnFace;
  TColor BL = clBtnShadow;
  TColor NameC = clBlack;
  TColor CountC = clBlack;
  TColor TopC = clBtnFace;
  TColor LeftC = clBtnFace;
  TColor TabC = clBlack;
  TColor TabBC = clBtnFace;
  TColor FoldaC = clBtnFace;
  TColor StatusC = clBtnFace;
  bool AUTOSORT = true;
  std::int32_t BTN_PAT = 0;
  std::int32_t WallTimer = 1;
  std::int32_t FontSize = 9;
  std::uint8_t WALL_CHANGE = 0;
  std::wstring WallDir;
  std::wstring MeltDir;
  std::wstring FreezeDir;
  std::uint8_t MeltDLG = 1;
  std::uint8_t FreezeDLG = 1;
  std::int32_t WallInfo = 0;
  std::int32_t RS_Direction = 1;
  std::int32_t Width = 331;
  std::int32_t Height = 432;
  std::int32_t Colum = 3;
  std::uint8_t SORTMODE = 2;
  std::uint8_t LDISPMODE = 1;
  std::uint8_t TOPMOST = 0;
  std::int32_t LEFT = -1;
  std::int32_t Wait = 1000;
  std::int32_t TOP = 0;
  std::int32_t TAB = 0;
  // 1 = every activation shows the window on the monitor under the mouse.
  std::uint8_t CURSOR_MONITOR = 0;
  // TABCT and "TAB" + i: the sheet names in sheet order.
  std::vector<std::wstring> SheetNames;
  // "TAB" + i names passed over at start-up (not a file name, or past the
  // 51st sheet); saved after the sheets, so that the user can mend them.
  std::vector<std::wstring> PassedOverSheetNames;
  std::array<std::wstring, kCarriedPairs> FName;
  std::array<std::wstring, kCarriedPairs> FPath;

  bool operator==(const TSettings&) const = default;
};

// The five sheets of a first start, in this order.
[[nodiscard]] std::vector<std::wstring> DefaultSheetNames();

// What the start-up says of the sheet names it passed over.
[[nodiscard]] std::wstring PassedOverSheetsMessage(const std::vector<std::wstring>& names);

// Reads every key in the order of the settings table. With MeltDLG or
// FreezeDLG at 1 the desktop folder replaces MeltDir or FreezeDir.
[[nodiscard]] TSettings ReadSettings(const IProfile& profile, std::wstring_view desktopFolder);

// Writes every key in the file's save order; keys the program does not know
// and "TAB" + i keys beyond the present sheet count stay in the file.
void SaveSettings(const TSettings& settings, IProfile& profile);

// What the window can show, as the settings dialog bounds it. Reading brings
// every value from the file within these bounds (the nearest one).
inline constexpr std::int32_t kMaxColum = 10;
inline constexpr std::int32_t kMinFontSize = 6;
inline constexpr std::int32_t kMaxFontSize = 72;
inline constexpr std::int32_t kMinWindowSize = 100;
// Window sizes and positions stay within the system's 16-bit coordinates.
inline constexpr std::int32_t kMaxScreenCoordinate = 32767;
[[nodiscard]] std::int32_t UsableColum(std::int32_t colum);
[[nodiscard]] std::int32_t UsableFontSize(std::int32_t fontSize);
