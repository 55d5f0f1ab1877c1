#pragma once
// The shell icons of item targets, looked up once a run for every sheet and
// the find. The look-ups run on a worker thread with its own COM apartment,
// so that a slow target (a sleeping network share) never stalls the window;
// each finished batch is announced by a message to a window, whose thread
// then takes the icons into the one image list.

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/win32/Handles_win.h"

// The shell's large icon of a target, owned by the caller; null when it has none.
using TIconLookUp = std::function<HICON(const std::wstring& target)>;
[[nodiscard]] HICON ShellLargeIcon(const std::wstring& target);

class TIconCache {
 public:
  // A neutral picture for a cell whose icon is still being looked up.
  static constexpr int kPendingImage = 0;
  // The "not found" picture of a target that cannot be had.
  static constexpr int kNotFoundImage = 1;

  // The look-up runs on the worker thread, and on the caller's for LookUpNow.
  explicit TIconCache(TIconLookUp lookUp = ShellLargeIcon);
  // Never waits for a look-up in progress: the worker ends after it.
  ~TIconCache();
  TIconCache(const TIconCache&) = delete;
  TIconCache& operator=(const TIconCache&) = delete;

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
  // Owned by this object.
  [[nodiscard]] HIMAGELIST Handle() const { return images_.Get(); }

 private:
  struct TShared;
  // Under the shared lock.
  void StartWorker();
  void Store(const std::wstring& key, HICON icon);

  TImageList images_;
  std::map<std::wstring, int> imageOfKey_;  // by the folded target
  std::shared_ptr<TShared> shared_;
};
