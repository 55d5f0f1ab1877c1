#pragma once
// A current sheet over a data folder in memory, its icons from a double.

#include "app/sheets/CurrentSheet.h"
#include "tests/support/Cp932Codec.h"
#include "tests/support/FakeIconList.h"
#include "tests/support/MemoryFileStore.h"

struct MemorySheet {
  MemoryFileStore store;
  TSheetFiles files{L"C:\\ZELK", store};
  FakeIconList icons;
  Cp932Codec codec;
  TCurrentSheet current{files, icons, codec};
};
