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
    return [state = state_](const std::wstring& target) -> HICON {
      SetEvent(state->entered.Get());
      WaitForSingleObject(state->gate.Get(), INFINITE);
      const std::lock_guard lock(state->mutex);
      state->asked.push_back(target);
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

 private:
  struct State {
    TKernelHandle gate{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    TKernelHandle entered{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::mutex mutex;
    std::vector<std::wstring> asked;
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

TEST(IconCache, GoesAtOnceWhileALookUpHangs) {
  GatedShell shell;
  {
    TIconCache cache(shell.LookUp());
    cache.Request({L"\\\\sleeping\\share\\tool.exe"});
    shell.WaitUntilLookingUp();
  }
  shell.Open();  // the worker ends after its look-up, announcing nothing
}
