#include <gtest/gtest.h>

#include <windows.h>

#include "app/quickbar/QuickBarIcons_win.h"
#include "app/shortcuts/ShellContextMenu_win.h"
#include "app/shortcuts/SpecialFolders_win.h"
#include "tests/app/dialogs/DialogDriver_win.h"
#include "tests/support/TempFolder_win.h"

namespace {

struct Pixels {
  explicit Pixels(HBITMAP bitmap) : dc(CreateCompatibleDC(nullptr)) {
    GetObjectW(bitmap, sizeof info, &info);
    original = SelectObject(dc, bitmap);
  }
  ~Pixels() {
    SelectObject(dc, original);
    DeleteDC(dc);
  }
  [[nodiscard]] COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
  [[nodiscard]] bool AllOf(COLORREF colour) const {
    for (int y = 0; y < info.bmHeight; ++y) {
      for (int x = 0; x < info.bmWidth; ++x) {
        if (At(x, y) != colour) return false;
      }
    }
    return true;
  }
  HDC dc;
  HGDIOBJ original;
  BITMAP info{};
};

constexpr COLORREF kBarColour = RGB(0x20, 0x80, 0x40);

// Ends the shell's context menu from inside its menu loop, noting whether it
// was shown and whether the owner was subclassed meanwhile.
struct MenuWatch {
  static inline MenuWatch* active = nullptr;
  HWND owner;
  WNDPROC ownProc;
  bool menuShown = false;
  bool subclassed = false;
  UINT_PTR timer;

  explicit MenuWatch(HWND window)
      : owner(window), ownProc(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC))) {
    active = this;
    timer = SetTimer(nullptr, 0, 50, &Tick);
  }
  ~MenuWatch() {
    KillTimer(nullptr, timer);
    active = nullptr;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) noexcept {
    if (!active || !FindThreadWindow(L"#32768", L"")) return;
    active->menuShown = true;
    active->subclassed = reinterpret_cast<WNDPROC>(
                             GetWindowLongPtrW(active->owner, GWLP_WNDPROC)) != active->ownProc;
    EndMenu();
  }
};

}  // namespace

TEST(SpecialFolderPath, GivesTheFolderOrEmptyTextWhenTheShellHasNoPath) {
  const std::wstring documents = SpecialFolderPath(5);
  EXPECT_FALSE(documents.empty());
  EXPECT_NE(GetFileAttributesW(documents.c_str()), INVALID_FILE_ATTRIBUTES) << "no folder there";
  EXPECT_EQ(SpecialFolderPath(17), L"") << "My Computer is no file-system folder";
  EXPECT_EQ(SpecialFolderPath(0x7E), L"") << "no such special folder";
}

TEST(QuickBarIcons, GlyphIsTheIconOnTheBarColourAndWithoutAnyIconLeavesTheBarColour) {
  constexpr int kNoSuchFolder = 0x7E;
  const HBITMAP empty =
      MakeGlyph({L"C:\\no such folder\\mydocs.dll", 0}, kNoSuchFolder, kBarColour, 48);
  {
    const Pixels pixels(empty);
    EXPECT_EQ(pixels.info.bmWidth, 48);
    EXPECT_TRUE(pixels.AllOf(kBarColour));
  }
  DeleteObject(empty);

  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  const HBITMAP shell =
      MakeGlyph({std::wstring(system) + L"\\shell32.dll", 17}, kNoSuchFolder, kBarColour, 48);
  {
    const Pixels pixels(shell);
    EXPECT_EQ(pixels.info.bmWidth, 48) << "drawn at the size asked";
    EXPECT_EQ(pixels.At(0, 0), kBarColour) << "the icon's transparent corner shows the bar";
    EXPECT_FALSE(pixels.AllOf(kBarColour)) << "the icon was not drawn";
  }
  DeleteObject(shell);

  const TQuickBarGlyphs glyphs = LoadQuickBarIcons(static_cast<TColor>(kBarColour), 32);
  for (std::size_t i = 0; i < 5; ++i) {
    ASSERT_NE(glyphs.Glyph(i), nullptr) << "button " << i;
    EXPECT_FALSE(Pixels(glyphs.Glyph(i)).AllOf(kBarColour)) << "button " << i << " is blank";
  }
}

TEST(QuickBarIcons, AMissingIconFileGivesTheFolderItsOwnShellIcon) {
  // My Documents (mydocs.dll) and My Computer (explorer.exe): Wine has neither icon.
  for (const int folder : {5, 17}) {
    const HBITMAP glyph = MakeGlyph({L"C:\\no such folder\\mydocs.dll", 0}, folder, kBarColour, 32);
    {
      const Pixels pixels(glyph);
      EXPECT_FALSE(pixels.AllOf(kBarColour)) << "folder " << folder << " has a blank glyph";
    }
    DeleteObject(glyph);
  }
}

TEST(ShellContextMenu, OwnerIsSubclassedExactlyWhileTheMenuIsShown) {
  TTempFolder folder;
  const std::wstring file = folder.File(L"表.txt");
  WriteBytes(file, Bytes("x"));
  const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                     nullptr, nullptr, nullptr, nullptr);
  const auto ownProc = GetWindowLongPtrW(owner, GWLP_WNDPROC);
  {
    MenuWatch watch(owner);
    ShellContextMenu(owner, {file});
    EXPECT_TRUE(watch.menuShown);
    EXPECT_TRUE(watch.subclassed);
  }
  EXPECT_EQ(GetWindowLongPtrW(owner, GWLP_WNDPROC), ownProc);
  {
    MenuWatch watch(owner);
    ShellContextMenu(owner, {L"MYCOM"});
    EXPECT_TRUE(watch.menuShown) << "My Computer's menu, as on the quick bar";
  }
  {
    MenuWatch watch(owner);
    ShellContextMenu(owner, {folder.File(L"no such folder\\x.txt")});
    EXPECT_FALSE(watch.menuShown) << "a text the shell cannot parse shows no menu";
  }
  EXPECT_EQ(GetWindowLongPtrW(owner, GWLP_WNDPROC), ownProc);
  DestroyWindow(owner);
}
