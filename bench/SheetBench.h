#pragma once
// Figures for the sheet files: load + save of a full sheet, and the sort by
// use count of 400 items. Prints medians; never a pass or fail.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/sheets/CurrentSheet.h"
#include "app/text/AnsiField.h"

inline double MedianMilliseconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

// Fills the sheet with 400 items whose targets all have an icon.
inline void FillFullSheet(TCurrentSheet& sheet, const std::wstring& target) {
  TSheetBuffer& buffer = sheet.Buffer();
  buffer.Count = kItemLimit;
  for (int i = 0; i < kItemLimit; ++i) {
    TLauncherItem& item = buffer.Items[static_cast<std::size_t>(i)];
    item = TLauncherItem{};
    EncodeField(item.Target, target, sheet.Codec());
    EncodeField(item.Display, L"項目" + std::to_wstring(i), sheet.Codec());
    item.Slot = i;
    item.Count = (i * 7919) % 1000;
  }
}

inline void RunSheetBench(const char* where, TCurrentSheet& sheet, const std::wstring& target) {
  FillFullSheet(sheet, target);
  sheet.Save();
  const double loadSave = MedianMilliseconds(21, [&] {
    sheet.Load(sheet.Name(), {.SORTMODE = 2, .AUTOSORT = true});
    sheet.Save();
  });
  const double sort = MedianMilliseconds(21, [&] {
    FillFullSheet(sheet, target);
    sheet.Arrange({.SORTMODE = 1, .AUTOSORT = true});
  });
  std::printf("%s: load + save of a 400-item sheet: %.2f ms (median of 21)\n", where, loadSave);
  std::printf("%s: ArrangeItems, SORTMODE 1, 400 items (incl. icon list rebuild): %.2f ms (median of 21)\n",
              where, sort);
}
