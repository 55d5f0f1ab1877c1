#include "app/settings/Settings.h"

#include <algorithm>
#include <string>
#include <variant>

#include "app/sheets/SheetNames.h"

namespace {

using FieldPointer =
    std::variant<std::int32_t TSettings::*, std::uint8_t TSettings::*, bool TSettings::*,
                 std::wstring TSettings::*>;

struct Key {
  std::wstring_view section;
  std::wstring_view name;
  FieldPointer field;
};

#define ZELK_KEY(section, field) Key{section, L## #field, &TSettings::field}
constexpr std::wstring_view G = kGeneralSection;
constexpr std::wstring_view C = kColorSection;

// The plain keys in the order start-up reads them. "LEFT" and "TOP" are read
// under those names and written back as "Left" and "Top" (keys are compared
// without regard to case).
const Key kReadOrder[] = {
    ZELK_KEY(G, DBLMODE),     ZELK_KEY(G, SIDECLICK),    ZELK_KEY(G, STATUS_DISP),
    ZELK_KEY(G, EXE_HIDE),    ZELK_KEY(G, SINGLE_EXE),   ZELK_KEY(G, FILE_DISP),
    ZELK_KEY(G, COUNT_DISP),  ZELK_KEY(G, NTP),          ZELK_KEY(G, AJCLK),
    ZELK_KEY(C, BH),          ZELK_KEY(C, BM),           ZELK_KEY(C, BL),
    ZELK_KEY(C, NameC),       ZELK_KEY(C, CountC),       ZELK_KEY(C, TopC),
    ZELK_KEY(C, LeftC),       ZELK_KEY(C, TabC),         ZELK_KEY(C, TabBC),
    ZELK_KEY(C, FoldaC),      ZELK_KEY(C, StatusC),      ZELK_KEY(G, AUTOSORT),
    ZELK_KEY(G, BTN_PAT),     ZELK_KEY(G, WallTimer),    ZELK_KEY(G, FontSize),
    ZELK_KEY(G, WALL_CHANGE), ZELK_KEY(G, WallDir),      ZELK_KEY(G, MeltDir),
    ZELK_KEY(G, FreezeDir),   ZELK_KEY(G, MeltDLG),      ZELK_KEY(G, FreezeDLG),
    ZELK_KEY(G, WallInfo),    ZELK_KEY(G, RS_Direction), ZELK_KEY(G, Width),
    ZELK_KEY(G, Height),      ZELK_KEY(G, Colum),        ZELK_KEY(G, SORTMODE),
    ZELK_KEY(G, LDISPMODE),   ZELK_KEY(G, TOPMOST),      ZELK_KEY(G, LEFT),
    ZELK_KEY(G, Wait),        ZELK_KEY(G, TOP),          ZELK_KEY(G, TAB),
    ZELK_KEY(G, CURSOR_MONITOR),
};

const Key kSaveOrderHead[] = {
    ZELK_KEY(G, DBLMODE),    ZELK_KEY(G, SIDECLICK),   ZELK_KEY(G, SORTMODE),
    ZELK_KEY(G, EXE_HIDE),   ZELK_KEY(G, FILE_DISP),   ZELK_KEY(G, COUNT_DISP),
    ZELK_KEY(G, NTP),        ZELK_KEY(G, SINGLE_EXE),  ZELK_KEY(G, TOPMOST),
    ZELK_KEY(G, BTN_PAT),    Key{G, L"Left", &TSettings::LEFT},
    Key{G, L"Top", &TSettings::TOP},                   ZELK_KEY(G, STATUS_DISP),
    ZELK_KEY(G, WALL_CHANGE), ZELK_KEY(G, WallTimer),  ZELK_KEY(G, WallDir),
    ZELK_KEY(G, WallInfo),   ZELK_KEY(G, FontSize),    ZELK_KEY(G, Wait),
    ZELK_KEY(G, Width),      ZELK_KEY(G, Height),      ZELK_KEY(G, Colum),
    ZELK_KEY(G, RS_Direction), ZELK_KEY(G, TAB),
};
// TABCT is written between the head and the middle, from the sheet list.
const Key kSaveOrderMiddle[] = {
    ZELK_KEY(G, LDISPMODE), ZELK_KEY(G, MeltDir),   ZELK_KEY(G, FreezeDir),
    ZELK_KEY(G, MeltDLG),   ZELK_KEY(G, FreezeDLG), ZELK_KEY(G, AJCLK),
};
// Then the sheet names and the carried pairs, then these.
const Key kSaveOrderTail[] = {
    ZELK_KEY(C, BH),     ZELK_KEY(C, BM),     ZELK_KEY(C, BL),     ZELK_KEY(C, NameC),
    ZELK_KEY(C, CountC), ZELK_KEY(C, TopC),   ZELK_KEY(C, LeftC),  ZELK_KEY(C, TabC),
    ZELK_KEY(C, TabBC),  ZELK_KEY(C, FoldaC), ZELK_KEY(C, StatusC), ZELK_KEY(G, AUTOSORT),
    ZELK_KEY(G, CURSOR_MONITOR),
};
#undef ZELK_KEY

void ReadKey(const IProfile& profile, const Key& key, TSettings& settings) {
  std::visit(
      [&](auto member) {
        auto& field = settings.*member;
        using Field = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, std::wstring>) {
          field = ReadText(profile, key.section, key.name, field);
        } else if constexpr (std::is_same_v<Field, bool>) {
          field = ReadBool(profile, key.section, key.name, field);
        } else {
          // A byte key keeps the low 8 bits of what the file says.
          field = static_cast<Field>(ReadInteger(profile, key.section, key.name, field));
        }
      },
      key.field);
}

void WriteKey(IProfile& profile, const Key& key, const TSettings& settings) {
  std::visit(
      [&](auto member) {
        const auto& field = settings.*member;
        using Field = std::remove_cvref_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, std::wstring>) {
          profile.WriteString(key.section, key.name, field);
        } else if constexpr (std::is_same_v<Field, bool>) {
          WriteBool(profile, key.section, key.name, field);
        } else {
          WriteInteger(profile, key.section, key.name, field);
        }
      },
      key.field);
}

std::wstring Indexed(std::wstring_view name, std::size_t index) {
  return std::wstring(name) + std::to_wstring(index);
}

// The TABn keys looked at, at most: enough to find names past the 51st sheet.
constexpr std::size_t kMaxSheetKeys = 100;

// The names of the TABn keys from the first one that exists up to the next
// missing or empty key. TABCT picks a shorter run (a save with fewer sheets
// leaves the old keys behind); a TABCT that is damaged, or larger than the
// keys that exist, gives way to the keys, so no default name is written over
// a user's. The first 51 names that can be file names are the sheets; the
// others are passed over.
void ReadSheetNames(const IProfile& profile, TSettings& settings) {
  std::vector<std::wstring> run;
  for (std::size_t i = 0; i < kMaxSheetKeys; ++i) {
    const auto name = profile.ReadString(G, Indexed(L"TAB", i));
    if (name && !name->empty()) {
      run.push_back(*name);
    } else if (!run.empty()) {
      break;
    }
  }
  const int count = ReadInteger(profile, G, L"TABCT", 0);
  if (count > 0 && static_cast<std::size_t>(count) < run.size()) {
    run.resize(static_cast<std::size_t>(count));
  }
  for (std::wstring& name : run) {
    const bool opened = IsValidSheetFileName(name) && settings.SheetNames.size() < kMaxSheets;
    (opened ? settings.SheetNames : settings.PassedOverSheetNames).push_back(std::move(name));
  }
  if (settings.SheetNames.empty()) settings.SheetNames = DefaultSheetNames();
}

// Values beyond what the window can show would hang painting or overflow the
// geometry: they are brought to the nearest bound.
void KeepWithinBounds(TSettings& settings) {
  settings.Colum = UsableColum(settings.Colum);
  settings.FontSize = UsableFontSize(settings.FontSize);
  settings.Width = std::clamp(settings.Width, kMinWindowSize, kMaxScreenCoordinate);
  settings.Height = std::clamp(settings.Height, kMinWindowSize, kMaxScreenCoordinate);
  settings.LEFT = std::clamp(settings.LEFT, -kMaxScreenCoordinate, kMaxScreenCoordinate);
  settings.TOP = std::clamp(settings.TOP, -kMaxScreenCoordinate, kMaxScreenCoordinate);
}

}  // namespace

std::vector<std::wstring> DefaultSheetNames() {
  return {L"一般", L"OFFICE", L"画像", L"通信", L"ｹﾞｰﾑ"};
}

std::wstring PassedOverSheetsMessage(const std::vector<std::wstring>& names) {
  std::wstring notNames;
  std::wstring tooMany;
  for (const std::wstring& name : names) {
    (IsValidSheetFileName(name) ? tooMany : notNames) += L"「" + name + L"」";
  }
  std::wstring message =
      L"次のシートは開きませんでした。"
      L"名前は設定ファイルにそのまま残してあるので、直すことができます。";
  if (!notNames.empty()) message += L"\nファイル名として使えない名前: " + notNames;
  if (!tooMany.empty()) message += L"\nシートは51までのため開かないシート: " + tooMany;
  return message;
}

std::int32_t UsableColum(std::int32_t colum) { return std::clamp(colum, 1, kMaxColum); }

std::int32_t UsableFontSize(std::int32_t fontSize) {
  return std::clamp(fontSize, kMinFontSize, kMaxFontSize);
}

TSettings ReadSettings(const IProfile& profile, std::wstring_view desktopFolder) {
  TSettings settings;
  for (const Key& key : kReadOrder) ReadKey(profile, key, settings);
  KeepWithinBounds(settings);
  // A shell that names no desktop folder leaves the stored folders alone.
  if (!desktopFolder.empty()) {
    if (settings.MeltDLG == 1) settings.MeltDir = desktopFolder;
    if (settings.FreezeDLG == 1) settings.FreezeDir = desktopFolder;
  }
  ReadSheetNames(profile, settings);
  for (int i = 0; i < kCarriedPairs; ++i) {
    settings.FName[i] = ReadText(profile, G, Indexed(L"FName", i), L"---");
    settings.FPath[i] = ReadText(profile, G, Indexed(L"FPath", i), L"---");
  }
  return settings;
}

void SaveSettings(const TSettings& settings, IProfile& profile) {
  for (const Key& key : kSaveOrderHead) WriteKey(profile, key, settings);
  std::vector<std::wstring> names = settings.SheetNames;
  names.insert(names.end(), settings.PassedOverSheetNames.begin(),
               settings.PassedOverSheetNames.end());
  WriteInteger(profile, G, L"TABCT", static_cast<int>(names.size()));
  for (const Key& key : kSaveOrderMiddle) WriteKey(profile, key, settings);
  for (std::size_t i = 0; i < names.size(); ++i) {
    profile.WriteString(G, Indexed(L"TAB", i), names[i]);
  }
  for (int i = 0; i < kCarriedPairs; ++i) {
    profile.WriteString(G, Indexed(L"FName", i), settings.FName[i]);
    profile.WriteString(G, Indexed(L"FPath", i), settings.FPath[i]);
  }
  for (const Key& key : kSaveOrderTail) WriteKey(profile, key, settings);
}
