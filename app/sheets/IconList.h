#pragma once
// Seam for the icon list: one 32 x 32 icon per valid item, at the item's index.

#include <string_view>

class IIconList {
 public:
  virtual ~IIconList() = default;
  // Starts a new empty list.
  virtual void Clear() = 0;
  // Appends the icon of the target without waiting for the shell: until it
  // has been looked up the item shows a neutral placeholder, and the "not
  // found" icon when the target cannot be had now.
  virtual void AppendIconOf(std::wstring_view target) = 0;
  // Asks the shell now and appends its icon; false, and nothing appended,
  // when it gives none.
  [[nodiscard]] virtual bool AppendLookedUpIcon(std::wstring_view target) = 0;
  virtual void Delete(int index) = 0;
};
