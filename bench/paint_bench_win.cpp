// Figures: the item area of a 400-item sheet painted in full and as the
// visible area, the window made and first painted, a change to another full
// sheet, and the working set of the hidden window.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>

#include "app/form/ControlIds.h"
#include "app/sheets/SheetFiles.h"
#include "base/text/AnsiCodec_win.h"
#include "base/text/AnsiField.h"
#include "bench/SheetBench.h"
#include "tests/app/form/FormFixture_win.h"
#include "tests/support/IconWait_win.h"

namespace {

std::wstring SystemFile(const wchar_t* name) {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  return std::wstring(system) + L"\\" + name;
}

// Full sheets 一般 (notepad) and OFFICE (regedit) of the default five.
void WriteFullSheets(const FormFixture& fixture) {
  CreateDirectoryW(fixture.ProgramFile(L"Data").c_str(), nullptr);
  const std::pair<const wchar_t*, const wchar_t*> sheets[] = {{L"一般", L"notepad.exe"},
                                                              {L"OFFICE", L"regedit.exe"}};
  for (const auto& [name, target] : sheets) {
    TSheetBuffer sheet;
    FillFullSheet(sheet, SystemFile(target), TAnsiCodec());
    const auto bytes = SheetFileBytes(sheet);
    WriteBytes(fixture.ProgramFile(std::wstring(L"Data\\") + name), {bytes.begin(), bytes.end()});
  }
}

// A memory bitmap of the area's width and the given height.
class MemoryBitmap {
 public:
  explicit MemoryBitmap(int height) {
    const HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, 251, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~MemoryBitmap() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  [[nodiscard]] HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

void MeasureLook(const char* name, const std::string& settings) {
  FormFixture fixture;
  fixture.WriteSettings(settings);
  WriteFullSheets(fixture);
  TZELKForm& form = fixture.Create();
  PumpUntilIconsLookedUp(form.IconCache());
  const MemoryBitmap whole(9000);  // every row of 400 items lies inside
  const double full =
      MedianMilliseconds(21, [&] { form.PAria().PAriaPaint(whole.Get(), 251, 9000); });
  const MemoryBitmap visible(400);
  const double area =
      MedianMilliseconds(21, [&] { form.PAria().PAriaPaint(visible.Get(), 251, 400); });
  std::printf(
      "Wine: one full paint of a 400-item sheet, %s: %.2f ms; of the visible 251 x 400 area: %.2f "
      "ms "
      "(medians of 21; one frame: 16 ms)\n",
      name, full, area);
}

void ChangeSheet(TZELKForm& form, int index) {
  TabCtrl_SetCurSel(form.Control(kATab), index);
  NMHDR change{form.Control(kATab), static_cast<UINT_PTR>(kATab), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(form.Handle(), WM_NOTIFY, kATab, reinterpret_cast<LPARAM>(&change));
}

std::size_t WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

void MeasureStartAndChange() {
  const std::size_t before = WorkingSet();
  FormFixture fixture;
  fixture.WriteSettings("[\x90\xDD\x92\xE8]\r\nFILE_DISP=1\r\nCOUNT_DISP=1\r\n");
  WriteFullSheets(fixture);
  const auto start = std::chrono::steady_clock::now();
  TZELKForm& form = fixture.Create();
  ShowWindow(form.Handle(), SW_SHOW);
  UpdateWindow(form.Control(kPAria));
  const double firstPaint =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf(
      "Wine: in-process start: the window made, its full first sheet loaded and painted, icons "
      "still being looked up: %.2f ms\n",
      firstPaint);
  PumpUntilIconsLookedUp(form.IconCache());
  int next = 1;
  const double change = MedianMilliseconds(21, [&] {
    ChangeSheet(form, next);
    next = 1 - next;
  });
  std::printf(
      "Wine: a change to another sheet of 400 items, to the painted area: %.2f ms (median of 21; "
      "one frame: 16 ms)\n",
      change);
  PumpUntilIconsLookedUp(form.IconCache());
  ShowWindow(form.Handle(), SW_HIDE);
  std::printf(
      "Wine: working set with the hidden window: %.1f MiB; the same process before the window: "
      "%.1f MiB\n",
      WorkingSet() / 1048576.0, before / 1048576.0);
}

}  // namespace

int main() {
  const std::string general = "[\x90\xDD\x92\xE8]\r\n";
  MeasureStartAndChange();
  MeasureLook("button look with name and count", general + "FILE_DISP=1\r\nCOUNT_DISP=1\r\n");
  MeasureLook("grid look with name and count",
              general + "BTN_PAT=1\r\nFILE_DISP=1\r\nCOUNT_DISP=1\r\n");
  MeasureLook("one-column list", general + "Colum=1\r\n");
}
