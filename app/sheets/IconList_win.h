#pragma once
// The icon list as a 32 x 32 image list filled with the shell's large icons.

#include <windows.h>
#include <commctrl.h>

#include "app/sheets/IconList.h"
#include "base/win32/Handles_win.h"

class TShellIconList : public IIconList {
 public:
  void Clear() override;
  [[nodiscard]] bool AppendIconOf(std::wstring_view target) override;
  void AppendPlaceholder() override;
  void Delete(int index) override;

  // Owned by this object.
  [[nodiscard]] HIMAGELIST Handle() const { return images_.Get(); }

 private:
  TImageList images_;
};
