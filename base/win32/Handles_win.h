#pragma once
// Owning wrappers for the handles every layer uses: each one gives its
// handle back to the system when it goes out of scope, also when a handler
// throws. A raw handle elsewhere is not owned and says so.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shtypes.h>

#include <utility>

// A handle with one way of closing it and one value that means "none".
template <typename Handle, typename Traits>
class TUniqueHandle {
 public:
  TUniqueHandle() = default;
  explicit TUniqueHandle(Handle handle) noexcept : handle_(handle) {}
  ~TUniqueHandle() { Reset(); }
  TUniqueHandle(TUniqueHandle&& other) noexcept : handle_(other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;

  [[nodiscard]] Handle Get() const noexcept { return handle_; }
  [[nodiscard]] bool Valid() const noexcept { return handle_ != Traits::None(); }
  explicit operator bool() const noexcept { return Valid(); }
  // Hands the handle over to the caller, who then owns it.
  [[nodiscard]] Handle Release() noexcept { return std::exchange(handle_, Traits::None()); }
  void Reset(Handle handle = Traits::None()) noexcept {
    if (Valid()) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::None();
};

struct TFileTraits {
  static HANDLE None() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) noexcept { CloseHandle(handle); }
};
// A file handle from CreateFileW (INVALID_HANDLE_VALUE when none).
using TFileHandle = TUniqueHandle<HANDLE, TFileTraits>;

struct TFindTraits {
  static HANDLE None() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE search) noexcept { FindClose(search); }
};
// A file search from FindFirstFileW (INVALID_HANDLE_VALUE when none).
using TFindHandle = TUniqueHandle<HANDLE, TFindTraits>;

struct TKernelObjectTraits {
  static HANDLE None() noexcept { return nullptr; }
  static void Close(HANDLE handle) noexcept { CloseHandle(handle); }
};
// An event, mapping, thread or other kernel object (null when none).
using TKernelHandle = TUniqueHandle<HANDLE, TKernelObjectTraits>;

template <typename Object>
struct TGdiObjectTraits {
  static Object None() noexcept { return nullptr; }
  static void Close(Object object) noexcept { DeleteObject(object); }
};
// A pen, brush, font, bitmap or region that this code created.
template <typename Object>
using TGdiObject = TUniqueHandle<Object, TGdiObjectTraits<Object>>;
using TFont = TGdiObject<HFONT>;
using TBrush = TGdiObject<HBRUSH>;
using TPen = TGdiObject<HPEN>;
using TBitmap = TGdiObject<HBITMAP>;

struct TMemoryDCTraits {
  static HDC None() noexcept { return nullptr; }
  static void Close(HDC dc) noexcept { DeleteDC(dc); }
};
// A device context from CreateCompatibleDC.
using TMemoryDC = TUniqueHandle<HDC, TMemoryDCTraits>;

struct TMenuTraits {
  static HMENU None() noexcept { return nullptr; }
  static void Close(HMENU menu) noexcept { DestroyMenu(menu); }
};
// A menu not attached to a window (a popup menu); its submenus go with it.
using TMenu = TUniqueHandle<HMENU, TMenuTraits>;

struct TIconTraits {
  static HICON None() noexcept { return nullptr; }
  static void Close(HICON icon) noexcept { DestroyIcon(icon); }
};
using TIcon = TUniqueHandle<HICON, TIconTraits>;

struct TImageListTraits {
  static HIMAGELIST None() noexcept { return nullptr; }
  static void Close(HIMAGELIST images) noexcept { ImageList_Destroy(images); }
};
using TImageList = TUniqueHandle<HIMAGELIST, TImageListTraits>;

struct TModuleTraits {
  static HMODULE None() noexcept { return nullptr; }
  static void Close(HMODULE module) noexcept { FreeLibrary(module); }
};
// A library from LoadLibraryW.
using TModule = TUniqueHandle<HMODULE, TModuleTraits>;

struct TRegistryKeyTraits {
  static HKEY None() noexcept { return nullptr; }
  static void Close(HKEY key) noexcept { RegCloseKey(key); }
};
using TRegistryKey = TUniqueHandle<HKEY, TRegistryKeyTraits>;

template <typename Memory>
struct TCoTaskMemoryTraits {
  static Memory* None() noexcept { return nullptr; }
  static void Close(Memory* memory) noexcept { CoTaskMemFree(memory); }
};
// Memory that a COM or shell call handed over, such as an item identifier list.
template <typename Memory>
using TCoTaskMemory = TUniqueHandle<Memory*, TCoTaskMemoryTraits<Memory>>;
// A shell item identifier list, from the shell's (COM task) allocator.
using TItemIdList = TCoTaskMemory<ITEMIDLIST>;

// The device context of a window for drawing outside WM_PAINT.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  ~TWindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  [[nodiscard]] HDC Get() const noexcept { return dc_; }

 private:
  HWND window_;  // not owned
  HDC dc_;
};

// One WM_PAINT: BeginPaint on construction, EndPaint on the way out.
class TPaintScope {
 public:
  explicit TPaintScope(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~TPaintScope() { EndPaint(window_, &paint_); }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;
  [[nodiscard]] HDC Get() const noexcept { return dc_; }
  [[nodiscard]] const RECT& Dirty() const noexcept { return paint_.rcPaint; }

 private:
  HWND window_;  // not owned
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a device context; the previous one is selected
// back on the way out.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~TSelectObject() {
    if (previous_) SelectObject(dc_, previous_);
  }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC dc_;            // not owned
  HGDIOBJ previous_;  // not owned: it belongs to whoever selected it
};

// A COM interface pointer: Release on the way out.
template <typename Interface>
class TComPtr {
 public:
  TComPtr() = default;
  explicit TComPtr(Interface* pointer) noexcept : pointer_(pointer) {}
  ~TComPtr() { Reset(); }
  TComPtr(TComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  TComPtr& operator=(TComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;

  [[nodiscard]] Interface* Get() const noexcept { return pointer_; }
  Interface* operator->() const noexcept { return pointer_; }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }
  // For the calls that hand out a new reference: the old one is released first.
  [[nodiscard]] Interface** Put() noexcept {
    Reset();
    return &pointer_;
  }
  [[nodiscard]] void** PutVoid() noexcept { return reinterpret_cast<void**>(Put()); }
  void Reset() noexcept {
    if (pointer_) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};

// COM for the calling thread, for as long as the scope lasts.
class TComApartment {
 public:
  explicit TComApartment(DWORD model = COINIT_APARTMENTTHREADED) noexcept
      : initialized_(SUCCEEDED(CoInitializeEx(nullptr, model))) {}
  ~TComApartment() {
    if (initialized_) CoUninitialize();
  }
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;

 private:
  bool initialized_;
};

// The clipboard, open for as long as the scope lasts.
class TClipboardScope {
 public:
  explicit TClipboardScope(HWND owner) noexcept : open_(OpenClipboard(owner) != FALSE) {}
  ~TClipboardScope() {
    if (open_) CloseClipboard();
  }
  TClipboardScope(const TClipboardScope&) = delete;
  TClipboardScope& operator=(const TClipboardScope&) = delete;
  [[nodiscard]] bool Open() const noexcept { return open_; }

 private:
  bool open_;
};

// The memory of a global memory handle, locked for as long as the scope lasts.
class TGlobalLock {
 public:
  explicit TGlobalLock(HGLOBAL memory) noexcept
      : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
  ~TGlobalLock() {
    if (data_) GlobalUnlock(memory_);
  }
  TGlobalLock(const TGlobalLock&) = delete;
  TGlobalLock& operator=(const TGlobalLock&) = delete;
  [[nodiscard]] void* Data() const noexcept { return data_; }

 private:
  HGLOBAL memory_;  // not owned
  void* data_;
};
