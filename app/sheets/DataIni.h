#pragma once
// DATA.INI: a text export of the current sheet, written with the settings and
// never read. Sections left from an earlier, longer export stay.

#include "app/settings/Profile.h"
#include "app/sheets/SheetBuffer.h"
#include "base/text/TextCodec.h"

void WriteDataIni(const TSheetBuffer& sheet, IProfile& dataIni, const ITextCodec& codec);
