#pragma once
// Seam for the icon list: one 32 x 32 icon per valid item, at the item's index.

#include <string_view>

class IIconList {
 public:
  virtual ~IIconList() = default;
  // Starts a new empty list.
  virtual void Clear() = 0;
  // Appends the shell's large icon of the target; false when the shell gives none.
  [[nodiscard]] virtual bool AppendIconOf(std::wstring_view target) = 0;
  // Appends the "not found" icon of an item whose target cannot be had now.
  virtual void AppendPlaceholder() = 0;
  virtual void Delete(int index) = 0;
};
