#pragma once
// The launcher item record: 720 bytes, the same in memory and in the sheet
// file. Text fields are NUL-terminated ANSI (see app/text/AnsiField.h).

#include <bit>
#include <cstddef>
#include <cstdint>

inline constexpr int kItemLimit = 400;      // items per sheet
inline constexpr int kSlotCount = 401;      // slot numbers 0 ... 400

struct TLauncherItem {
  char Target[256];   // program, document or folder
  char Params[100];   // command-line parameters
  char Group[100];    // sheet that was current at registration
  char Display[256];  // name painted under the icon
  std::int32_t Slot;  // cell number in the grid; -1 in a cleared record
  std::int32_t Count; // use count
};

static_assert(sizeof(TLauncherItem) == 720);
static_assert(offsetof(TLauncherItem, Target) == 0);
static_assert(offsetof(TLauncherItem, Params) == 256);
static_assert(offsetof(TLauncherItem, Group) == 356);
static_assert(offsetof(TLauncherItem, Display) == 456);
static_assert(offsetof(TLauncherItem, Slot) == 712);
static_assert(offsetof(TLauncherItem, Count) == 716);
// Records are copied to and from the file as they stand in memory.
static_assert(std::endian::native == std::endian::little);
