// Figures: one full paint of a 400-item sheet in each look, on a memory bitmap.
#include <windows.h>

#include <cstdio>

#include "app/sheets/SheetFiles.h"
#include "base/text/AnsiCodec_win.h"
#include "base/text/AnsiField.h"
#include "bench/SheetBench.h"
#include "tests/app/form/FormFixture_win.h"

namespace {

void WriteFullSheet(const FormFixture& fixture) {
  CreateDirectoryW(fixture.ProgramFile(L"Data").c_str(), nullptr);
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  TSheetBuffer sheet;
  FillFullSheet(sheet, std::wstring(system) + L"\\notepad.exe", TAnsiCodec());
  const auto bytes = SheetFileBytes(sheet);
  WriteBytes(fixture.ProgramFile(L"Data\\一般"), {bytes.begin(), bytes.end()});
}

void MeasureLook(const char* name, const std::string& settings) {
  FormFixture fixture;
  fixture.WriteSettings(settings);
  WriteFullSheet(fixture);
  TZELKForm& form = fixture.Create();
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  // Tall enough that every row of 400 items lies inside.
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, 251, 9000);
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  const double time = MedianMilliseconds(21, [&] { form.PAria().PAriaPaint(memory, 251, 9000); });
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  std::printf("Wine: one full paint of a 400-item sheet, %s: %.2f ms (median of 21)\n", name, time);
}

}  // namespace

int main() {
  const std::string general = "[\x90\xDD\x92\xE8]\r\n";
  MeasureLook("button look with name and count", general + "FILE_DISP=1\r\nCOUNT_DISP=1\r\n");
  MeasureLook("grid look with name and count", general + "BTN_PAT=1\r\nFILE_DISP=1\r\nCOUNT_DISP=1\r\n");
  MeasureLook("one-column list", general + "Colum=1\r\n");
}
