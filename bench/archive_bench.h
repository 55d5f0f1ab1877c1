#pragma once
// Figures for the pack filter: the time to the finished list of a tree of
// 10,000 files, beside a plain recursive listing of the same tree (the
// floor). Prints medians; never a pass or fail.

#include <cstdio>
#include <functional>
#include <string>

#include "archive/PackFilter.h"
#include "bench/SheetBench.h"

// 10 x 10 folders of 100 files each.
inline constexpr int kBenchFolders = 10, kBenchFiles = 100;

template <typename MakeFolder, typename MakeFile>
void MakeBenchTree(const std::wstring& base, MakeFolder makeFolder, MakeFile makeFile) {
  for (int i = 0; i < kBenchFolders; ++i) {
    const std::wstring outer = base + L"\\d" + std::to_wstring(i);
    makeFolder(outer);
    for (int j = 0; j < kBenchFolders; ++j) {
      const std::wstring inner = outer + L"\\e" + std::to_wstring(j);
      makeFolder(inner);
      for (int k = 0; k < kBenchFiles; ++k)
        makeFile(inner + L"\\file" + std::to_wstring(k) + L".txt");
    }
  }
}

// listAll returns the number of files a plain recursive listing found.
inline void RunPackFilterBench(const char* where, const std::wstring& base, IFileSearch& search,
                               const std::function<std::size_t()>& listAll) {
  std::size_t packed = 0, listed = 0;
  const double filter = MedianMilliseconds(11, [&] {
    TArchiverOptions options;
    options.r = 2;
    packed = BuildPackList(base, {}, options, search, {}).Names.size();
  });
  const double floor = MedianMilliseconds(11, [&] { listed = listAll(); });
  std::printf(
      "%s: pack filter, r = 2, %zu files: %.1f ms; plain recursive listing, %zu files: "
      "%.1f ms (medians of 11)\n",
      where, packed, filter, listed, floor);
}
