#include "app/settings/SettingsFiles.h"

#include <functional>

#include "app/settings/IniFile.h"
#include "app/sheets/DataIni.h"
#include "base/errors/Errors.h"

namespace {

void Add(std::wstring& report, const std::wstring& text) {
  if (!report.empty()) report += L"\n\n";
  report += text;
}

void WriteIniFile(const std::wstring& path, IFileStore& store, const ITextCodec& codec,
                  const std::function<void(IProfile&)>& write, TToldFailures& told,
                  std::wstring& report) {
  try {
    TIniFile file(path, store, codec);
    write(file.Profile());
    file.Save();
    told.Succeeded(path);
    if (!file.KeptAside().empty()) {
      Add(report, L"ファイル「" + path +
                      L"」には文字として読めない部分があったため、元のファイルを「" +
                      file.KeptAside() + L"」として残し、新しく書き直しました。");
    }
  } catch (const EInOutError& failure) {
    if (told.FirstTime(path, failure.Reason())) Add(report, failure.Message());
  }
}

}  // namespace

std::wstring SaveSettingsFiles(const TSettings& settings, const TSheetBuffer& sheet,
                               const TSettingsFilePaths& paths, IFileStore& store,
                               const ITextCodec& codec, TToldFailures& told) {
  std::wstring report;
  WriteIniFile(
      paths.SettingsFile, store, codec, [&](IProfile& file) { SaveSettings(settings, file); }, told,
      report);
  WriteIniFile(
      paths.DataIni, store, codec, [&](IProfile& file) { WriteDataIni(sheet, file, codec); }, told,
      report);
  return report;
}
