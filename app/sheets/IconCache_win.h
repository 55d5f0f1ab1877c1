#pragma once
// The shell icons of item targets, looked up once a run for every sheet and
// the find, at each icon size the window has drawn them (the size follows
// its DPI). The look-ups run on a worker thread with its own COM apartment,
// so that a slow target (a sleeping network share) never stalls the window;
// each finished batch is announced by a message to a window, whose thread
// then takes the icons into the image list of their size.

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/sheets/ShellIcons_win.h"
#include "base/win32/Handles_win.h"

// The shell's icon of a target at size x size pixels, owned by the caller;
// null when it has none.
using TIconLookUp = std::function<HICON(const std::wstring& target, int size)>;

class TIconCache {
 public:
  // A neutral picture for a cell whose icon is still being looked up.
  static constexpr int kPendingImage = 0;
  // The "not found" picture of a target that cannot be had.
  static constexpr int kNotFoundImage = 1;

  // The look-up runs on the worker thread, and on the caller's for LookUpNow.
  explicit TIconCache(TIconLookUp lookUp = ShellIcon, int size = 32);
  // Never waits for a look-up in progress: the worker ends after it.
  ~TIconCache();
  TIconCache(const TIconCache&) = delete;
  TIconCache& operator=(const TIconCache&) = delete;

  // The size of the icons from now on: images and look-ups of that size.
  // The look-ups asked for at another size and not started are dropped;
  // false when the size stays.
  bool SetIconSize(int size);
  [[nodiscard]] int IconSize() const { return size_; }
  // Where each finished batch is announced (null: nowhere, as before the
  // window is made and after it is destroyed).
  void SetReceiver(HWND window, UINT message);
  // The image of a target: its icon, the not-found picture, or the pending one.
  [[nodiscard]] int ImageOf(std::wstring_view target) const;
  // Looks up, in this order, the targets not known yet and those that could
  // not be had before (a stick plugged in again); the look-ups asked for
  // earlier and not started are dropped.
  void Request(const std::vector<std::wstring>& targets);
  // Looks the target up at once, replacing what was known of it; false when
  // the shell gives no icon.
  [[nodiscard]] bool LookUpNow(std::wstring_view target);
  // On the receiver's thread at the announcement: the finished look-ups go
  // into the image list; true when any arrived.
  bool TakeFinished();
  // True while look-ups are asked for, running, or not yet taken.
  [[nodiscard]] bool Busy() const;
  // The list of the present size, owned by this object.
  [[nodiscard]] HIMAGELIST Handle() const { return Images().List.Get(); }

 private:
  struct TShared;
  // The images of one size and which target each shows.
  struct TImages {
    TImageList List;
    std::map<std::wstring, int> ImageOfKey;  // by the folded target
  };
  [[nodiscard]] const TImages& Images() const { return images_.at(size_); }
  // Under the shared lock.
  void StartWorker();
  void Store(const std::wstring& key, int size, HICON icon);

  int size_;
  std::map<int, TImages> images_;  // by icon size
  std::shared_ptr<TShared> shared_;
};
