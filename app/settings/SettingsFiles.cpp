#include "app/settings/SettingsFiles.h"

#include <functional>

#include "app/settings/IniFile.h"
#include "app/sheets/DataIni.h"
#include "base/errors/Errors.h"

namespace {

void WriteIniFile(const std::wstring& path, IFileStore& store, const ITextCodec& codec,
                  const std::function<void(IProfile&)>& write, std::wstring& failures) {
  try {
    TIniFile file(path, store, codec);
    write(file.Profile());
    file.Save();
  } catch (const EInOutError& failure) {
    if (!failures.empty()) failures += L"\n\n";
    failures += failure.Message();
  }
}

}  // namespace

void SaveSettingsFiles(const TSettings& settings, const TSheetBuffer& sheet,
                       const TSettingsFilePaths& paths, IFileStore& store,
                       const ITextCodec& codec) {
  std::wstring failures;
  WriteIniFile(
      paths.SettingsFile, store, codec, [&](IProfile& file) { SaveSettings(settings, file); },
      failures);
  WriteIniFile(
      paths.DataIni, store, codec, [&](IProfile& file) { WriteDataIni(sheet, file, codec); },
      failures);
  if (!failures.empty()) throw EInOutError(failures);
}
