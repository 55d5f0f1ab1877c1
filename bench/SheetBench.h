#pragma once
// Figures for the sheet files: load + save of a full sheet, and the sort by
// use count of 400 items. Prints medians; never a pass or fail.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/sheets/CurrentSheet.h"
#include "base/text/AnsiField.h"

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

// A sheet of 400 items, all of one target, with names and mixed counts.
inline void FillFullSheet(TSheetBuffer& buffer, const std::wstring& target, const ITextCodec& codec) {
  buffer.Count = kItemLimit;
  for (int i = 0; i < kItemLimit; ++i) {
    TLauncherItem& item = buffer.Items[static_cast<std::size_t>(i)];
    item = TLauncherItem{};
    EncodeField(item.Target, target, codec);
    EncodeField(item.Display, L"項目" + std::to_wstring(i), codec);
    item.Slot = i;
    item.Count = (i * 7919) % 1000;
  }
}

inline void FillFullSheet(TCurrentSheet& sheet, const std::wstring& target) {
  FillFullSheet(sheet.Buffer(), target, sheet.Codec());
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
