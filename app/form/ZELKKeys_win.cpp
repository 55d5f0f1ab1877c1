// The keyboard on the main window: the selection frame over the cells, the
// item keys, Ctrl+Tab over the sheets, and finding items of every sheet by
// typing their name.

#include <windows.h>

#include <memory>
#include <optional>

#include "app/form/ControlIds.h"
#include "app/form/ZELK_win.h"

namespace {

std::optional<TNavigationKey> NavigationKeyOf(WPARAM key) {
  switch (key) {
    case VK_LEFT:
      return TNavigationKey::Left;
    case VK_RIGHT:
      return TNavigationKey::Right;
    case VK_UP:
      return TNavigationKey::Up;
    case VK_DOWN:
      return TNavigationKey::Down;
    case VK_HOME:
      return TNavigationKey::Home;
    case VK_END:
      return TNavigationKey::End;
    case VK_PRIOR:
      return TNavigationKey::PageUp;
    case VK_NEXT:
      return TNavigationKey::PageDown;
    default:
      return std::nullopt;
  }
}

bool IsPressed(int key) { return GetKeyState(key) < 0; }

}  // namespace

bool TZELKForm::FormKeyDown(WPARAM key) {
  // The Enter that ends a composition only ends it.
  if (key == VK_RETURN && findField_.EnterEndsComposition()) return true;
  if (findField_.IsOpen()) return FindKeyDown(key);
  if (key == VK_TAB && IsPressed(VK_CONTROL)) {
    SwitchSheet(IsPressed(VK_SHIFT) ? -1 : 1);
    return true;
  }
  if (const auto move = NavigationKeyOf(key)) {
    PAria_.MoveSelection(*move);
    return true;
  }
  const int selected = PAria_.SelectedSlot();
  switch (key) {
    case VK_RETURN:
      if (selected >= 0) RunItem(selected);
      return true;
    case VK_APPS:
      ShowSelectedItemMenu();
      return true;
    case VK_DELETE:
      if (selected >= 0) ItemCommand(kDelete1);
      return true;
    case VK_ESCAPE:
      FormClose();  // as the close button
      return true;
    default:
      return false;
  }
}

// In the find field: Up and Down go through the found items in their order.
bool TZELKForm::FindKeyDown(WPARAM key) {
  switch (key) {
    case VK_UP:
      PAria_.MoveSelection(TNavigationKey::Left);
      return true;
    case VK_DOWN:
      PAria_.MoveSelection(TNavigationKey::Right);
      return true;
    case VK_PRIOR:
      PAria_.MoveSelection(TNavigationKey::PageUp);
      return true;
    case VK_NEXT:
      PAria_.MoveSelection(TNavigationKey::PageDown);
      return true;
    case VK_RETURN:
      RunFoundItem();
      return true;
    case VK_ESCAPE:
      CloseFind();
      return true;
    default:
      return false;
  }
}

void TZELKForm::FormChar(wchar_t typed) {
  if (typed < L' ' || typed == 0x7F) return;
  if (!findField_.IsOpen()) OpenFind();
  findField_.Type(typed);
}

// Typing with an input method goes into the find field from its first key:
// the field opens as the composition begins, and the composition window
// stands at it.
void TZELKForm::FormImeStartComposition() {
  if (!findField_.IsOpen()) OpenFind();
  findField_.CompositionStarted();
  findField_.PlaceComposition(GetFocus() ? GetFocus() : Handle());
}

void TZELKForm::FormImeEndComposition() {
  findField_.CompositionEnded(IsPressed(VK_RETURN));
  if (!findField_.IsOpen()) return;
  // The next keys go to the field, unless the focus has left the window.
  const HWND focus = GetFocus();
  if (focus == Handle() || IsChild(Handle(), focus)) SetFocus(findField_.Handle());
  FindChange();
}

// The items of every sheet are read once here; each change of the text
// only filters them. The current sheet is taken as it stands in memory.
void TZELKForm::OpenFind() {
  auto find = std::make_unique<TItemFind>(codec_, ATab_.SheetNames());
  const int current = ATab_.Current();
  find->AddSheet(current, sheet_.Buffer(), settings_.SORTMODE);
  const auto other = std::make_unique<TSheetBuffer>();
  const auto& names = ATab_.SheetNames();
  for (int i = 0; i < static_cast<int>(names.size()); ++i) {
    if (i != current && sheetFiles_.Peek(names[static_cast<std::size_t>(i)], *other)) {
      find->AddSheet(i, *other, settings_.SORTMODE);
    }
  }
  PAria_.HideItemHint();
  findField_.Open(std::move(find));
  LayoutRegions();
}

// Nothing is filtered while a composition is open; a text emptied shows
// the sheet again.
void TZELKForm::FindChange() {
  if (!findField_.IsOpen() || findField_.Composing()) return;
  if (findField_.Text().empty()) {
    CloseFind();
    return;
  }
  findField_.Filter();
  PAria_.ShowFound(&findField_.Find(), iconCache_.Handle(), findField_.FoundIconIndexes());
}

void TZELKForm::CloseFind() {
  PAria_.ShowFound(nullptr, nullptr, {});
  findField_.Close();
  // The find's look-ups took the place of the sheet's not yet done.
  icons_.RequestPending(sheet_.Buffer());
  LayoutRegions();
  SetFocus(Handle());
}

// Started on its own sheet, which becomes the current one, as a click there
// starts it.
void TZELKForm::RunFoundItem() {
  const int slot = PAria_.SelectedSlot();
  if (slot < 0 || slot >= findField_.Find().Found().Count) return;
  const TFindCandidate found = findField_.Find().FoundAt(slot);
  CloseFind();
  if (found.Sheet != ATab_.Current()) {
    ATab_.Select(found.Sheet);
    ATabChange();
  }
  const int itemSlot = SlotOfSameItem(sheet_.Buffer(), found.Item);
  if (itemSlot >= 0) RunItem(itemSlot);
}

void TZELKForm::SwitchSheet(int step) {
  const int count = static_cast<int>(ATab_.SheetNames().size());
  if (count == 0) return;
  ATab_.Select((ATab_.Current() + step + count) % count);
  ATabChange();
}

void TZELKForm::ShowSelectedItemMenu() {
  if (findField_.IsOpen()) return;
  PrepareItemMenu(sheet_.Buffer().ItemAtSlot(PAria_.PressedSlot()) >= 0);
  TrackItemMenu(PAria_.SelectedCellOnScreen());
}
