#include <gtest/gtest.h>

#include "hook/HookRecord.h"
#include "hook/zelkhook_win.h"

#include <cstdint>

namespace {

// A view of the hook record for the length of a test.
class RecordView {
 public:
  RecordView() { result_ = GetFMObj(&mapping_, &view_); }
  ~RecordView() { ReleaseFMObj(mapping_, view_); }
  RecordView(const RecordView&) = delete;
  RecordView& operator=(const RecordView&) = delete;

  [[nodiscard]] std::int32_t Result() const { return result_; }
  [[nodiscard]] THookRecord& Record() const { return *static_cast<THookRecord*>(view_); }

 private:
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
  std::int32_t result_ = 0;
};

HWND PlainWindow() {
  return CreateWindowExW(0, L"STATIC", L"receiver", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         nullptr, nullptr);
}

}  // namespace

TEST(HookLibrary, NamesTheNotificationMessage) {
  EXPECT_STREQ(GetHookMsgString(), "This is Mouse hook");
}

TEST(HookLibrary, EveryViewOfTheRecordSharesTheSameSixteenBytes) {
  RecordView writer;
  RecordView reader;
  ASSERT_EQ(writer.Result(), 0);
  ASSERT_EQ(reader.Result(), 0);
  writer.Record().MouseWindow = 0x1234;
  EXPECT_EQ(reader.Record().MouseWindow, 0x1234u);
  EXPECT_NE(&writer.Record(), &reader.Record()) << "each use maps a view of its own";
  ReleaseFMObj(nullptr, nullptr);  // nothing to give back: no effect
}

TEST(HookLibrary, SetHookStoresTheReceiverTheMessageAndTheHookThatRemoveHookTakesOut) {
  const HWND window = PlainWindow();
  ASSERT_TRUE(SetHook(window));
  std::uint32_t hook = 0;
  {
    RecordView view;
    ASSERT_EQ(view.Result(), 0);
    const THookRecord& record = view.Record();
    EXPECT_EQ(record.TargetWindow, static_cast<std::uint32_t>(HandleToLong(window)));
    EXPECT_EQ(record.MessageId, RegisterWindowMessageA("This is Mouse hook") & 0xFFFFu)
        << "only the low 16 bits, the high 16 bits 0";
    hook = record.HookHandle;
    EXPECT_NE(hook, 0u);
  }
  RemoveHook();
  EXPECT_FALSE(UnhookWindowsHookEx(static_cast<HHOOK>(LongToHandle(static_cast<LONG>(hook)))))
      << "the hook is still installed";
  DestroyWindow(window);
}

TEST(HookLibrary, ASecondSetHookReplacesTheFirstHookAndRemoveHookStaysHarmless) {
  const HWND window = PlainWindow();
  ASSERT_TRUE(SetHook(window));
  std::uint32_t first = 0;
  {
    RecordView view;
    first = view.Record().HookHandle;
  }
  ASSERT_TRUE(SetHook(window));
  EXPECT_FALSE(UnhookWindowsHookEx(static_cast<HHOOK>(LongToHandle(static_cast<LONG>(first)))))
      << "the first hook was left installed";
  RemoveHook();
  RemoveHook();  // nothing installed any more: nothing to do
  DestroyWindow(window);
}

TEST(HookLibrary, ExportsTheFiveNamesUndecoratedInTheirOrder) {
  const HMODULE library = GetModuleHandleW(L"zelkhook.dll");
  ASSERT_NE(library, nullptr);
  const char* const names[] = {"ReleaseFMObj", "GetFMObj", "SetHook", "RemoveHook",
                               "GetHookMsgString"};
  for (WORD ordinal = 1; ordinal <= 5; ++ordinal) {
    const char* name = names[ordinal - 1];
    const FARPROC byName = GetProcAddress(library, name);
    EXPECT_NE(byName, nullptr) << name;
    EXPECT_EQ(byName, GetProcAddress(library, MAKEINTRESOURCEA(ordinal)))
        << name << " is not export number " << ordinal;
  }
}
