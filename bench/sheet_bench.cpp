// Native figures: the sheet file in memory, icons from a double.
#include "bench/SheetBench.h"
#include "tests/support/Cp932Codec.h"
#include "tests/support/FakeIconList.h"
#include "tests/support/MemoryFileStore.h"

int main() {
  MemoryFileStore store;
  TSheetFiles files(L"C:\\ZELK", store);
  FakeIconList icons;
  Cp932Codec codec;
  TCurrentSheet sheet(files, icons, codec);
  sheet.Load(L"一般", {});
  RunSheetBench("native", sheet, L"C:\\Program Files\\ソフト\\表計算.exe");
}
