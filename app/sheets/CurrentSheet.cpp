#include "app/sheets/CurrentSheet.h"

#include "base/errors/Errors.h"

TCurrentSheet::TCurrentSheet(TSheetFiles& files, IIconList& icons, const ITextCodec& codec)
    : files_(files), icons_(icons), codec_(codec) {
  buffer_.Clear();
}

void TCurrentSheet::Load(std::wstring_view sheetName, const TArrangeOptions& options) {
  name_ = sheetName;
  try {
    files_.Load(sheetName, buffer_);
  } catch (...) {
    buffer_.Count = 0;
    icons_.Clear();
    throw;
  }
  RebuildIcons(buffer_, icons_, codec_);
  ArrangeItems(buffer_, icons_, codec_, options);
}

void TCurrentSheet::Save() {
  constexpr std::wstring_view kSheetSaves = L"sheet files";
  try {
    files_.Save(name_, buffer_);
    toldFailures_.Succeeded(kSheetSaves);
  } catch (const EInOutError& failure) {
    if (toldFailures_.FirstTime(kSheetSaves, failure.Reason())) throw;
  }
}

void TCurrentSheet::Arrange(const TArrangeOptions& options) {
  ArrangeItems(buffer_, icons_, codec_, options);
}

void TCurrentSheet::Delete(int index, const TArrangeOptions& options) {
  DeleteItem(buffer_, index, icons_, codec_, options);
}
