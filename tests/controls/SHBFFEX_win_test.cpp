#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

#include "base/text/Paths.h"
#include "base/win32/Handles_win.h"
#include "controls/SHBFFEX_win.h"
#include "tests/support/AnsweringBrowser_win.h"
#include "tests/support/TempFolder_win.h"

namespace {

// The form that owns the component.
class TOwnerForm {
 public:
  TOwnerForm() {
    handle = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 120, 90,
                             400, 300, nullptr, nullptr, nullptr, nullptr);
  }
  ~TOwnerForm() { DestroyWindow(handle); }
  [[nodiscard]] POINT ClientOrigin() const {
    POINT origin{0, 0};
    ClientToScreen(handle, &origin);
    return origin;
  }
  HWND handle;
};

// Counts the shell allocator's blocks that were allocated and not freed
// while it watched. It lives for the whole run: the system keeps a watch
// registered as long as a block it saw is still allocated.
class TAllocationWatch : public IMallocSpy {
 public:
  static TAllocationWatch& Instance() {
    static auto* watch = new TAllocationWatch();
    return *watch;
  }
  [[nodiscard]] bool Start() {
    live_.clear();
    return SUCCEEDED(CoRegisterMallocSpy(this));
  }
  [[nodiscard]] std::size_t Stop() {
    CoRevokeMallocSpy();
    return live_.size();
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (id == IID_IUnknown || id == IID_IMallocSpy) {
      *object = this;
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  SIZE_T STDMETHODCALLTYPE PreAlloc(SIZE_T size) override { return size; }
  void* STDMETHODCALLTYPE PostAlloc(void* actual) override {
    if (actual) live_.insert(actual);
    return actual;
  }
  void* STDMETHODCALLTYPE PreFree(void* request, BOOL) override {
    live_.erase(request);
    return request;
  }
  void STDMETHODCALLTYPE PostFree(BOOL) override {}
  SIZE_T STDMETHODCALLTYPE PreRealloc(void* request, SIZE_T size, void** newRequest,
                                      BOOL) override {
    reallocated_ = request;
    *newRequest = request;
    return size;
  }
  void* STDMETHODCALLTYPE PostRealloc(void* actual, BOOL) override {
    if (actual) {
      live_.erase(reallocated_);
      live_.insert(actual);
    }
    return actual;
  }
  void* STDMETHODCALLTYPE PreGetSize(void* request, BOOL) override { return request; }
  SIZE_T STDMETHODCALLTYPE PostGetSize(SIZE_T size, BOOL) override { return size; }
  void* STDMETHODCALLTYPE PreDidAlloc(void* request, BOOL) override { return request; }
  int STDMETHODCALLTYPE PostDidAlloc(void*, BOOL, int actual) override { return actual; }
  void STDMETHODCALLTYPE PreHeapMinimize() override {}
  void STDMETHODCALLTYPE PostHeapMinimize() override {}

 private:
  std::set<void*> live_;
  void* reallocated_ = nullptr;
};

class SHBrowseForFolderExTest : public testing::Test {
 protected:
  TComApartment apartment;
  TTempFolder temp;
  TOwnerForm owner;
  TAnsweringBrowser browser;
  TSHBrowseForFolderEx component{owner.handle, browser};

  std::wstring Folder(const std::wstring& name) {
    const std::wstring path = temp.File(name);
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
  }
};

}  // namespace

TEST_F(SHBrowseForFolderExTest, DefaultsStartAtTheDesktopWithMyComputerAtTheOwnersClientOrigin) {
  const std::wstring chosen = Folder(L"表");
  browser.choice = chosen;
  ASSERT_TRUE(component.Execute());
  EXPECT_EQ(browser.root, L"<desktop>");
  EXPECT_EQ(browser.initialSelection, L"<drives>");
  EXPECT_EQ(browser.info.ulFlags, static_cast<UINT>(BIF_RETURNONLYFSDIRS));
  EXPECT_EQ(browser.info.hwndOwner, owner.handle);
  EXPECT_EQ(browser.title, L"");
  const POINT origin = owner.ClientOrigin();
  EXPECT_EQ(browser.bounds.left, origin.x);
  EXPECT_EQ(browser.bounds.top, origin.y);
  EXPECT_FALSE(browser.ownerEnabledWhileShown);
  EXPECT_TRUE(IsWindowEnabled(owner.handle));
  EXPECT_EQ(component.FolderPath(), chosen);
  EXPECT_EQ(component.DisplayName(), L"表");
}

TEST_F(SHBrowseForFolderExTest, RootAndInitialFolderByPathWithCaptionAndThePathInTheStatusLine) {
  const std::wstring sub = Folder(L"sub");
  const std::wstring deeper = Folder(L"sub\\ソフト");
  component.RootFolder = TRootFolder::rfManual;
  component.RootFolderName = temp.Path();
  component.SelectFolder = TSelectFolder::sfManual;
  component.SelectFolderName = sub;
  component.Caption = L"フォルダを選択してください";
  component.Options = {TSHBrowseOption::sboStatusTextAndShowPath};
  component.ShowStyle = TShowStyle::ssNone;
  browser.selections = {deeper};
  EXPECT_FALSE(component.Execute()) << "cancelled";
  EXPECT_EQ(browser.root, temp.Path());
  EXPECT_EQ(browser.initialSelection, sub);
  EXPECT_EQ(browser.title, L"フォルダを選択してください");
  EXPECT_EQ(browser.info.ulFlags, static_cast<UINT>(BIF_STATUSTEXT));
  EXPECT_EQ(browser.statusTexts, (std::vector<std::wstring>{L"", deeper}));
  EXPECT_EQ(browser.bounds.left, 700) << "ssNone leaves the browser where the shell put it";
}

TEST_F(SHBrowseForFolderExTest, AnUnusableFolderByPathFallsBack) {
  const std::wstring sub = Folder(L"sub");
  const struct {
    std::wstring rootName, selectName;
    std::wstring root, selection;
  } cases[] = {
      {L"", sub + L"\\gone\\deeper", L"<desktop>", sub},  // the nearest existing parent
      {L"", L"", L"<desktop>", L"<desktop>"},
      {temp.File(L"gone"), sub, L"<desktop>", sub},
  };
  for (const auto& c : cases) {
    component.RootFolder = TRootFolder::rfManual;
    component.RootFolderName = c.rootName;
    component.SelectFolder = TSelectFolder::sfManual;
    component.SelectFolderName = c.selectName;
    component.Execute();
    EXPECT_EQ(browser.root, c.root) << c.rootName;
    EXPECT_EQ(browser.initialSelection, c.selection) << c.selectName;
  }
}

TEST_F(SHBrowseForFolderExTest, TheSelectionEventSetsTheStatusLineAndTheOKButton) {
  const std::wstring greyed = Folder(L"greyed");
  const std::wstring plain = Folder(L"plain");
  std::vector<std::wstring> paths;
  component.OnSelectionChanged = [&](TSHBrowseForFolderEx& sender, HWND window,
                                     const std::wstring& path, std::wstring& showText,
                                     TOKButtonState& okButtonState) {
    EXPECT_EQ(&sender, &component);
    EXPECT_EQ(window, browser.standIn);
    paths.push_back(path);
    showText = L"→ " + path;
    if (path == greyed) okButtonState = TOKButtonState::Disabled;
  };
  browser.selections = {greyed, plain};
  component.Execute();
  EXPECT_EQ(paths, browser.selections);
  EXPECT_EQ(browser.statusTexts, (std::vector<std::wstring>{L"", L"→ " + greyed, L"→ " + plain}));
  EXPECT_EQ(browser.enableOk, std::vector<LPARAM>{0})
      << "greyed once; the shell decides for the other";
}

TEST_F(SHBrowseForFolderExTest, ACentredBrowserGoesToAHalfOfTheFreeWidthAndAThirdOfTheFreeHeight) {
  component.ShowStyle = TShowStyle::ssCenterScreen;
  component.Execute();
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(browser.bounds.left, (work.right - work.left - 300) / 2);
  EXPECT_EQ(browser.bounds.top, (work.bottom - work.top - 200) / 3);
}

TEST_F(SHBrowseForFolderExTest, EveryItemListIsFreedAndACancelEmptiesTheResults) {
  const std::wstring chosen = Folder(L"chosen");
  component.SelectFolder = TSelectFolder::sfManual;
  component.SelectFolderName = chosen + L"\\gone";
  browser.choice = chosen;
  ASSERT_TRUE(component.Execute());  // the shell's caches are warm after this one
  for (const bool confirm : {true, false}) {
    browser.choice = confirm ? std::optional<std::wstring>(chosen) : std::nullopt;
    TAllocationWatch& watch = TAllocationWatch::Instance();
    ASSERT_TRUE(watch.Start());
    EXPECT_EQ(component.Execute(), confirm);
    EXPECT_EQ(watch.Stop(), 0u) << (confirm ? "confirmed" : "cancelled");
  }
  EXPECT_EQ(component.FolderPath(), L"");
  EXPECT_EQ(component.DisplayName(), L"");
}
