#pragma once
// The current sheet's icon list: the image of each item in the run's icon
// cache, which looks the targets up without blocking.

#include <windows.h>

#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "app/sheets/IconCache_win.h"
#include "app/sheets/IconList.h"
#include "app/sheets/SheetBuffer.h"

class TSheetIcons : public IIconList {
 public:
  // The cache is not owned and outlives this object.
  explicit TSheetIcons(TIconCache& cache) : cache_(cache) {}

  void Clear() override;
  void AppendIconOf(std::wstring_view target) override;
  [[nodiscard]] bool AppendLookedUpIcon(std::wstring_view target) override;
  void Delete(int index) override;

  // Asks the cache for the icons still pending, the top cells first (a
  // sheet is shown from its top row).
  void RequestPending(const TSheetBuffer& sheet);
  // Asks the cache for the icons still pending, in the list's order.
  void RequestAll() { cache_.Request(targets_); }
  // After the cache took finished look-ups: true when an item's image changed.
  bool Refresh();
  // The image of each item in the cache's list (not owned).
  [[nodiscard]] std::span<const int> Images() const { return images_; }
  [[nodiscard]] HIMAGELIST Handle() const { return cache_.Handle(); }

 private:
  TIconCache& cache_;
  std::vector<std::wstring> targets_;
  std::vector<int> images_;
};
