#pragma once
// The one sheet held in memory: its name, buffer and icon list, kept in step
// with its sheet file.

#include <string>
#include <string_view>

#include "app/sheets/IconList.h"
#include "app/sheets/SheetBuffer.h"
#include "app/sheets/SheetFiles.h"
#include "base/errors/ToldFailures.h"
#include "base/text/TextCodec.h"

class TCurrentSheet {
 public:
  // None owned: all outlive this object.
  TCurrentSheet(TSheetFiles& files, IIconList& icons, const ITextCodec& codec);

  // LoadSheet: reads the sheet's file, rebuilds the icon list (the "not
  // found" icon for a target that is away) and arranges. On an error the sheet is left empty and
  // current, and the error is raised for the standard error box.
  void Load(std::wstring_view sheetName, const TArrangeOptions& options);
  // SaveSheet. A failure is raised to be told; the same failure again is
  // not, until a save succeeded meanwhile, so that a folder that cannot be
  // made is told once and not at every change.
  void Save();
  void Arrange(const TArrangeOptions& options);
  void Delete(int index, const TArrangeOptions& options);
  // Appends the icon of a new item's target; false when the shell gives none.
  [[nodiscard]] bool AppendIcon(std::wstring_view target) {
    return icons_.AppendLookedUpIcon(target);
  }

  [[nodiscard]] const std::wstring& Name() const { return name_; }
  [[nodiscard]] TSheetBuffer& Buffer() { return buffer_; }
  [[nodiscard]] const TSheetBuffer& Buffer() const { return buffer_; }
  [[nodiscard]] const ITextCodec& Codec() const { return codec_; }

 private:
  TSheetFiles& files_;
  IIconList& icons_;
  const ITextCodec& codec_;
  std::wstring name_;
  TSheetBuffer buffer_;
  TToldFailures toldFailures_;
};
