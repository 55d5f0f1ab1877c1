#pragma once
// The save at every close: the settings file, then the DATA.INI export of the
// current sheet, each written in one go.

#include <string>

#include "app/settings/Settings.h"
#include "app/sheets/FileStore.h"
#include "app/sheets/SheetBuffer.h"
#include "base/errors/ToldFailures.h"
#include "base/text/TextCodec.h"

struct TSettingsFilePaths {
  std::wstring SettingsFile;
  std::wstring DataIni;
};

// Both files are tried; a file that cannot be read or written keeps its old
// content. Gives what the user is to be told, empty when nothing: each
// failure (once, as `told` keeps them) and each file that was no readable
// text and was kept aside before it was written anew.
[[nodiscard]] std::wstring SaveSettingsFiles(const TSettings& settings, const TSheetBuffer& sheet,
                                             const TSettingsFilePaths& paths, IFileStore& store,
                                             const ITextCodec& codec, TToldFailures& told);
