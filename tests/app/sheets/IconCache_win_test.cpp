#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/sheets/IconList_win.h"
#include "base/win32/Handles_win.h"
#include "tests/support/IconWait_win.h"

namespace {

// A shell whose look-ups wait at a gate the test opens, recording what they
// are asked; the targets named away have no icon. Its state lives as long as
// a look-up still running after the test.
class GatedShell {
 public:
  TIconLookUp LookUp() const {
    return [state = state_](const std::wstring& target, int size) -> HICON {
      SetEvent(state->entered.Get());
      WaitForSingleObject(state->gate.Get(), INFINITE);
      const std::lock_guard lock(state->mutex);
      state->asked.push_back(target);
      state->sizes.push_back(size);
      if (state->away.contains(target)) return nullptr;
      return CopyIcon(LoadIconW(nullptr, IDI_APPLICATION));
    };
  }
  void Open() const { SetEvent(state_->gate.Get()); }
  void WaitUntilLookingUp() const { WaitForSingleObject(state_->entered.Get(), INFINITE); }
  void SetAway(std::set<std::wstring> away) const {
    const std::lock_guard lock(state_->mutex);
    state_->away = std::move(away);
  }
  std::vector<std::wstring> Asked() const {
    const std::lock_guard lock(state_->mutex);
    return state_->asked;
  }
  std::vector<int> Sizes() const {
    const std::lock_guard lock(state_->mutex);
    return state_->sizes;
  }

 private:
  struct State {
    TKernelHandle gate{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    TKernelHandle entered{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::mutex mutex;
    std::vector<std::wstring> asked;
    std::vector<int> sizes;
    std::set<std::wstring> away;
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

// Item i of the sheet holds slot i.
TSheetBuffer SheetOf(std::size_t count) {
  TSheetBuffer sheet;
  sheet.Count = static_cast<std::int32_t>(count);
  for (std::size_t i = 0; i < count; ++i) sheet.Items[i].Slot = static_cast<std::int32_t>(i);
  return sheet;
}

void ShowSheet(TSheetIcons& icons, const std::vector<std::wstring>& targets) {
  icons.Clear();
  for (const auto& target : targets) icons.AppendIconOf(target);
  icons.RequestPending(SheetOf(targets.size()));
}

std::vector<int> ImagesOf(const TSheetIcons& icons) {
  return {icons.Images().begin(), icons.Images().end()};
}

}  // namespace

TEST(IconCache, CellsShowThePlaceholderUntilTheirLookUpsArriveThenIconOrNotFound) {
  GatedShell shell;
  shell.SetAway({L"C:\\away.exe"});
  TIconCache cache(shell.LookUp());
  IconReceiver receiver(cache);
  TSheetIcons icons(cache);
  ShowSheet(icons, {L"C:\\tool.exe", L"C:\\away.exe"});
  // The look-ups wait at the gate: the sheet shows at once, with placeholders.
  EXPECT_EQ(ImagesOf(icons),
            (std::vector<int>{TIconCache::kPendingImage, TIconCache::kPendingImage}));

  shell.Open();
  receiver.WaitForLookUps();
  EXPECT_TRUE(icons.Refresh());
  EXPECT_GT(icons.Images()[0], TIconCache::kNotFoundImage);
  EXPECT_EQ(icons.Images()[1], TIconCache::kNotFoundImage);
  EXPECT_EQ(icons.Images().size(), 2u);  // the item without an icon stays
}

TEST(IconCache, ATargetIsLookedUpOnceARunWhateverItsCaseAndOneAwayAgainAtTheNextLoad) {
  GatedShell shell;
  shell.Open();
  shell.SetAway({L"E:\\stick.exe"});
  TIconCache cache(shell.LookUp());
  IconReceiver receiver(cache);
  TSheetIcons icons(cache);
  ShowSheet(icons, {L"C:\\Tool.exe", L"E:\\stick.exe"});
  receiver.WaitForLookUps();

  // Another sheet with the same file: no second look-up. The stick is back.
  shell.SetAway({});
  ShowSheet(icons, {L"c:\\TOOL.EXE", L"E:\\stick.exe"});
  receiver.WaitForLookUps();
  icons.Refresh();
  EXPECT_EQ(shell.Asked(),
            (std::vector<std::wstring>{L"C:\\Tool.exe", L"E:\\stick.exe", L"E:\\stick.exe"}));
  EXPECT_GT(icons.Images()[1], TIconCache::kNotFoundImage);

  // Registering a target looks it up anew: one that vanished shows not found.
  shell.SetAway({L"C:\\Tool.exe"});
  EXPECT_FALSE(icons.AppendLookedUpIcon(L"C:\\Tool.exe"));
  EXPECT_TRUE(icons.Refresh());
  EXPECT_EQ(icons.Images()[0], TIconCache::kNotFoundImage);
}

TEST(IconCache, ASheetChangeWhileLookUpsRunShowsOnlyTheNewSheetsIcons) {
  GatedShell shell;
  TIconCache cache(shell.LookUp());
  IconReceiver receiver(cache);
  TSheetIcons icons(cache);
  ShowSheet(icons, {L"C:\\old1.exe", L"C:\\old2.exe", L"C:\\old3.exe"});
  shell.WaitUntilLookingUp();
  ShowSheet(icons, {L"C:\\new1.exe", L"C:\\new2.exe"});

  shell.Open();
  receiver.WaitForLookUps();
  icons.Refresh();
  // The running look-up ends; the old sheet's others are dropped.
  EXPECT_EQ(shell.Asked(),
            (std::vector<std::wstring>{L"C:\\old1.exe", L"C:\\new1.exe", L"C:\\new2.exe"}));
  EXPECT_EQ(ImagesOf(icons),
            (std::vector<int>{cache.ImageOf(L"C:\\new1.exe"), cache.ImageOf(L"C:\\new2.exe")}));
  EXPECT_NE(icons.Images()[0], cache.ImageOf(L"C:\\old1.exe"));
  EXPECT_NE(icons.Images()[0], icons.Images()[1]);
}

TEST(IconCache, ImagesAreKeptBySizeSoAReturnToASizeLooksNothingUpAgain) {
  GatedShell shell;
  shell.Open();
  TIconCache cache(shell.LookUp());
  IconReceiver receiver(cache);
  TSheetIcons icons(cache);
  ShowSheet(icons, {L"C:\\tool.exe"});
  receiver.WaitForLookUps();
  icons.Refresh();
  const int at32 = icons.Images()[0];

  EXPECT_TRUE(cache.SetIconSize(48));
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(cache.Handle(), &width, &height);
  EXPECT_EQ(width, 48);
  icons.Refresh();
  EXPECT_EQ(icons.Images()[0], TIconCache::kPendingImage) << "not looked up at 48 yet";
  icons.RequestPending(SheetOf(1));
  receiver.WaitForLookUps();
  icons.Refresh();
  EXPECT_GT(icons.Images()[0], TIconCache::kNotFoundImage);

  EXPECT_TRUE(cache.SetIconSize(32));
  icons.Refresh();
  EXPECT_EQ(icons.Images()[0], at32);
  EXPECT_FALSE(cache.Busy());
  EXPECT_EQ(shell.Sizes(), (std::vector<int>{32, 48}));
}

TEST(ShellIcons, TheShellsIconComesAtEverySizeAskedAndNoneForATargetAway) {
  wchar_t notepad[MAX_PATH] = {};
  GetWindowsDirectoryW(notepad, MAX_PATH);
  wcscat(notepad, L"\\notepad.exe");
  const TComApartment apartment;
  for (const int size : {32, 40, 48, 64}) {
    const TIcon icon(ShellIcon(notepad, size));
    ASSERT_TRUE(icon) << size;
    const TPicture picture = PictureOfIcon(icon.Get());
    EXPECT_EQ(picture.Width, size);
    EXPECT_EQ(picture.Height, size);
    EXPECT_GT(OpaqueExtent(picture), size / 2) << "drawn, not a corner of it, at " << size;
  }
  EXPECT_EQ(ShellIcon(L"C:\\no such folder\\tool.exe", 48), nullptr);
}

TEST(IconCache, GoesAtOnceWhileALookUpHangs) {
  GatedShell shell;
  {
    TIconCache cache(shell.LookUp());
    cache.Request({L"\\\\sleeping\\share\\tool.exe"});
    shell.WaitUntilLookingUp();
  }
  shell.Open();  // the worker ends after its look-up, announcing nothing
}
