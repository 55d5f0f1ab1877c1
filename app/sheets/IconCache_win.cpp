#include "app/sheets/IconCache_win.h"

#include <shellapi.h>

#include <algorithm>
#include <mutex>
#include <tuple>
#include <utility>

#include "app/form/Metrics.h"

namespace {

// Targets differing only in case are one file on Windows.
std::wstring KeyOf(std::wstring_view target) {
  std::wstring key(target);
  if (!key.empty()) CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

// A grey frame on a clear ground, the size of an icon.
void AddPendingPicture(HIMAGELIST images, int size) {
  constexpr COLORREF kClear = RGB(255, 0, 255);
  const TWindowDC screen(nullptr);
  const TMemoryDC memory(CreateCompatibleDC(screen.Get()));
  const TBitmap picture(CreateCompatibleBitmap(screen.Get(), size, size));
  {
    const TSelectObject selected(memory.Get(), picture.Get());
    const TBrush clear(CreateSolidBrush(kClear));
    const RECT whole{0, 0, size, size};
    FillRect(memory.Get(), &whole, clear.Get());
    const TBrush frame(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    const int inset = MulDivRounded(kPendingFrameInset.Value, size, kIconSize.Value);
    const RECT inner{inset, inset, size - inset, size - inset};
    FrameRect(memory.Get(), &inner, frame.Get());
  }
  ImageList_AddMasked(images, picture.Get(), kClear);
}

// The system's warning sign at the size.
void AddNotFoundPicture(HIMAGELIST images, int size) {
  const TIcon warning(IconAtSize(
      static_cast<HICON>(LoadImageW(nullptr, IDI_WARNING, IMAGE_ICON, size, size, 0)), size));
  ImageList_AddIcon(images, warning.Get());
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

// What the window's thread and the worker share, under the mutex. The
// worker keeps it alive, so the cache may go while a look-up hangs.
struct TIconCache::TShared {
  TSlimLock mutex;
  CONDITION_VARIABLE wake = CONDITION_VARIABLE_INIT;
  // Key, target and size, the next at the back.
  std::vector<std::tuple<std::wstring, std::wstring, int>> asked;
  std::vector<std::tuple<std::wstring, int, HICON>> finished;  // key, size, icon or null
  bool running = false;
  bool announced = false;
  bool workerStarted = false;
  bool stop = false;
  HWND receiver = nullptr;  // not owned
  UINT message = 0;
  TIconLookUp lookUp;

  ~TShared() {
    for (auto& [key, size, icon] : finished) {
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
      auto [key, target, size] = std::move(shared->asked.back());
      shared->asked.pop_back();
      shared->running = true;
      lock.unlock();
      HICON icon = nullptr;
      try {
        icon = shared->lookUp(target, size);
      } catch (...) {
        icon = nullptr;  // shown as not found
      }
      lock.lock();
      shared->running = false;
      if (shared->stop) {
        if (icon) DestroyIcon(icon);
        return 0;
      }
      shared->finished.emplace_back(std::move(key), size, icon);
      shared->Announce();
    }
  }

  // One message stands for all look-ups finished until it is handled.
  void Announce() {
    if (announced || finished.empty() || !receiver) return;
    announced = PostMessageW(receiver, message, 0, 0) != FALSE;
  }
};

TIconCache::TIconCache(TIconLookUp lookUp, int size)
    : size_(0), shared_(std::make_shared<TShared>()) {
  shared_->lookUp = std::move(lookUp);
  SetIconSize(size);
}

bool TIconCache::SetIconSize(int size) {
  if (size == size_) return false;
  size_ = size;
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->asked.clear();
  }
  auto [entry, added] = images_.try_emplace(size);
  if (!added) return true;
  const HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 2, 16);
  entry->second.List.Reset(images);
  AddPendingPicture(images, size);
  AddNotFoundPicture(images, size);
  // The pictures keep their numbers even should the system refuse one.
  if (ImageList_GetImageCount(images) < 2) ImageList_SetImageCount(images, 2);
  return true;
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
  const auto& imageOfKey = Images().ImageOfKey;
  const auto known = imageOfKey.find(KeyOf(target));
  return known == imageOfKey.end() ? kPendingImage : known->second;
}

void TIconCache::Request(const std::vector<std::wstring>& targets) {
  {
    const std::lock_guard lock(shared_->mutex);
    shared_->asked.clear();
    std::map<std::wstring, int> seen;
    const auto& imageOfKey = Images().ImageOfKey;
    for (const std::wstring& target : targets) {
      std::wstring key = KeyOf(target);
      const auto known = imageOfKey.find(key);
      if (known != imageOfKey.end() && known->second != kNotFoundImage) continue;
      if (!seen.emplace(key, 0).second) continue;
      shared_->asked.emplace_back(std::move(key), target, size_);
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
  const HICON icon = shared_->lookUp(std::wstring(target), size_);
  Store(KeyOf(target), size_, icon);
  return icon != nullptr;
}

bool TIconCache::TakeFinished() {
  std::vector<std::tuple<std::wstring, int, HICON>> finished;
  {
    const std::lock_guard lock(shared_->mutex);
    finished.swap(shared_->finished);
    shared_->announced = false;
  }
  for (auto& [key, size, icon] : finished) Store(key, size, icon);
  return !finished.empty();
}

bool TIconCache::Busy() const {
  const std::lock_guard lock(shared_->mutex);
  return !shared_->asked.empty() || shared_->running || !shared_->finished.empty();
}

// Takes the icon into the images of its size; a target that had a picture
// keeps its number, so that every cell showing it follows.
void TIconCache::Store(const std::wstring& key, int size, HICON icon) {
  const TIcon owned(icon);
  TImages& images = images_.at(size);
  auto [entry, added] = images.ImageOfKey.try_emplace(key, kNotFoundImage);
  if (!owned) {
    entry->second = kNotFoundImage;  // a picture it had stays unused in the list
    return;
  }
  const bool hasOwnPicture = !added && entry->second > kNotFoundImage;
  const int image =
      ImageList_ReplaceIcon(images.List.Get(), hasOwnPicture ? entry->second : -1, owned.Get());
  if (image >= 0) entry->second = image;
}
