#include "app/sheets/DataIni.h"

#include <string>

#include "base/text/AnsiField.h"

void WriteDataIni(const TSheetBuffer& sheet, IProfile& dataIni, const ITextCodec& codec) {
  WriteInteger(dataIni, L"総数", L"COUNT", sheet.Count);
  for (int i = 0; i < sheet.Count; ++i) {
    const TLauncherItem& item = sheet.Items[static_cast<std::size_t>(i)];
    const std::wstring section = L"DATA" + std::to_wstring(i + 1);
    dataIni.WriteString(section, L"Disp", DecodeField(item.Display, codec));
    dataIni.WriteString(section, L"Name", DecodeField(item.Target, codec));
    dataIni.WriteString(section, L"Param", DecodeField(item.Params, codec));
    dataIni.WriteString(section, L"Group", DecodeField(item.Group, codec));
    WriteInteger(dataIni, section, L"Count", item.Count);
  }
}
