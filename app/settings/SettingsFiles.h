#pragma once
// The save at every close: the settings file, then the DATA.INI export of the
// current sheet, each written in one go.

#include <string>

#include "app/settings/Settings.h"
#include "app/sheets/FileStore.h"
#include "app/sheets/SheetBuffer.h"
#include "base/text/TextCodec.h"

struct TSettingsFilePaths {
  std::wstring SettingsFile;
  std::wstring DataIni;
};

// Both files are tried. A file that cannot be read or written keeps its old
// content; EInOutError then names every such file.
void SaveSettingsFiles(const TSettings& settings, const TSheetBuffer& sheet,
                       const TSettingsFilePaths& paths, IFileStore& store, const ITextCodec& codec);
