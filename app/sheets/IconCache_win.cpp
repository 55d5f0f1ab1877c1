#include "app/sheets/IconCache_win.h"

#include <shellapi.h>

#include <algorithm>
#include <mutex>
#include <utility>

namespace {

// Targets differing only in case are one file on Windows.
std::wstring KeyOf(std::wstring_view target) {
  std::wstring key(target);
  if (!key.empty()) CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

// A grey frame on a clear ground, the size of an icon.
void AddPendingPicture(HIMAGELIST images) {
  constexpr COLORREF kClear = RGB(255, 0, 255);
  const TWindowDC screen(nullptr);
  const TMemoryDC memory(CreateCompatibleDC(screen.Get()));
  const TBitmap picture(CreateCompatibleBitmap(screen.Get(), 32, 32));
  {
    const TSelectObject selected(memory.Get(), picture.Get());
    const TBrush clear(CreateSolidBrush(kClear));
    const RECT whole{0, 0, 32, 32};
    FillRect(memory.Get(), &whole, clear.Get());
    const TBrush frame(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    const RECT inner{6, 6, 26, 26};
    FrameRect(memory.Get(), &inner, frame.Get());
  }
  ImageList_AddMasked(images, picture.Get(), kClear);
}

// The system's slim lock, for std::lock_guard: the standard thread classes
// would add tens of kilobytes to the program.
class TSlimLock {
 public:
  void lock() noexcept { AcquireSRWLockExclusive(&lock_); }
  void unlock() noexcept { ReleaseSRWLockExclusive(&lock_); }
  // Releases the lock until woken, then takes it again.
  void Wait(CONDITION_VARIABLE& condition) noexcept {
    SleepConditionVariableSRW(&condition, &lock_, INFINITE, 0);
  }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
};

}  // namespace

HICON ShellLargeIcon(const std::wstring& target) {
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(target.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON)) {
    return nullptr;
  }
  return info.hIcon;
}

// What the window's thread and the worker share, under the mutex. The
// worker keeps it alive, so the cache may go while a look-up hangs.
struct TIconCache::TShared {
  TSlimLock mutex;
  CONDITION_VARIABLE wake = CONDITION_VARIABLE_INIT;
  // Key and target, the next at the back.
  std::vector<std::pair<std::wstring, std::wstring>> asked;
  std::vector<std::pair<std::wstring, HICON>> finished;  // key, icon or null
  bool running = false;
  bool announced = false;
  bool workerStarted = false;
  bool stop = false;
  HWND receiver = nullptr;  // not owned
  UINT message = 0;
  TIconLookUp lookUp;

  ~TShared() {
    for (auto& [key, icon] : finished) {
      if (icon) DestroyIcon(icon);
    }
  }

  // The worker thread; it owns the pointer it is given.
  static DWORD WINAPI Work(void* parameter) noexcept {
    const std::unique_ptr<std::shared_ptr<TShared>> owned(
        static_cast<std::shared_ptr<TShared>*>(parameter));
    TShared* shared = owned->get();
    const TComApartment apartment;
    std::unique_lock lock(shared->mutex);
    for (;;) {
      while (!shared->stop && shared->asked.empty()) shared->mutex.Wait(shared->wake);
      if (shared->stop) return 0;
      auto [key, target] = std::move(shared->asked.back());
      shared->asked.pop_back();
      shared->running = true;
      lock.unlock();
      HICON icon = nullptr;
      try {
        icon = shared->lookUp(target);
      } catch (...) {
        icon = nullptr;  // shown as not found
      }
      lock.lock();
      shared->running = false;
      if (shared->stop) {
        if (icon) DestroyIcon(icon);
        return 0;
      }
      shared->finished.emplace_back(std::move(key), icon);
      shared->Announce();
    }
  }

  // One message stands for all look-ups finished until it is handled.
  void Announce() {
    if (announced || finished.empty() || !receiver) return;
    announced = PostMessageW(receiver, message, 0, 0) != FALSE;
  }
};

TIconCache::TIconCache(TIconLookUp lookUp)
    : images_(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 2, 16)),
      shared_(std::make_shared<TShared>()) {
  shared_->lookUp = std::move(lookUp);
  AddPendingPicture(images_.Get());
  // A shared system icon: not owned. The list keeps its own copy.
  ImageList_AddIcon(images_.Get(), LoadIconW(nullptr, IDI_WARNING));
  // The pictures keep their numbers even should the system refuse one.
  if (ImageList_GetImageCount(images_.Get()) < 2) ImageList_SetImageCount(images_.Get(), 2);
}

TIconCache::~TIconCache() {
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->stop = true;
    shared_->receiver = nullptr;
    shared_->asked.clear();
  }
  WakeAllConditionVariable(&shared_->wake);
}

void TIconCache::SetReceiver(HWND window, UINT message) {
  const std::lock_guard lock(shared_->mutex);
  shared_->receiver = window;
  shared_->message = message;
  shared_->announced = false;
  shared_->Announce();
}

int TIconCache::ImageOf(std::wstring_view target) const {
  const auto known = imageOfKey_.find(KeyOf(target));
  return known == imageOfKey_.end() ? kPendingImage : known->second;
}

void TIconCache::Request(const std::vector<std::wstring>& targets) {
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->asked.clear();
    std::map<std::wstring, int> seen;
    for (const std::wstring& target : targets) {
      std::wstring key = KeyOf(target);
      const auto known = imageOfKey_.find(key);
      if (known != imageOfKey_.end() && known->second != kNotFoundImage) continue;
      if (!seen.emplace(key, 0).second) continue;
      shared_->asked.emplace_back(std::move(key), target);
    }
    std::reverse(shared_->asked.begin(), shared_->asked.end());
    if (shared_->asked.empty()) return;
    if (!shared_->workerStarted) StartWorker();
  }
  WakeConditionVariable(&shared_->wake);
}

// Runs on its own, not waited for: the cache may go while a look-up hangs.
void TIconCache::StartWorker() {
  auto parameter = std::make_unique<std::shared_ptr<TShared>>(shared_);
  const TKernelHandle thread(CreateThread(nullptr, 0, TShared::Work, parameter.get(), 0, nullptr));
  if (!thread) return;  // the cells keep their placeholders
  parameter.release();  // the worker's now
  shared_->workerStarted = true;
}

bool TIconCache::LookUpNow(std::wstring_view target) {
  // The function is only called, never changed, once the worker runs.
  const HICON icon = shared_->lookUp(std::wstring(target));
  Store(KeyOf(target), icon);
  return icon != nullptr;
}

bool TIconCache::TakeFinished() {
  std::vector<std::pair<std::wstring, HICON>> finished;
  {
    const std::lock_guard lock(shared_->mutex);
    finished.swap(shared_->finished);
    shared_->announced = false;
  }
  for (auto& [key, icon] : finished) Store(key, icon);
  return !finished.empty();
}

bool TIconCache::Busy() const {
  const std::lock_guard lock(shared_->mutex);
  return !shared_->asked.empty() || shared_->running || !shared_->finished.empty();
}

// Takes the icon; a target that had a picture keeps its number, so that
// every cell showing it follows.
void TIconCache::Store(const std::wstring& key, HICON icon) {
  const TIcon owned(icon);
  auto [entry, added] = imageOfKey_.try_emplace(key, kNotFoundImage);
  if (!owned) {
    entry->second = kNotFoundImage;  // a picture it had stays unused in the list
    return;
  }
  const bool hasOwnPicture = !added && entry->second > kNotFoundImage;
  const int image =
      ImageList_ReplaceIcon(images_.Get(), hasOwnPicture ? entry->second : -1, owned.Get());
  if (image >= 0) entry->second = image;
}
