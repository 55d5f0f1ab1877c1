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

TEST(HookLibrary, SetHookStoresTheReceiverTheMessageAndTheHook) {
  const HWND window = PlainWindow();
  ASSERT_TRUE(SetHook(window));
  {
    RecordView view;
    ASSERT_EQ(view.Result(), 0);
    const THookRecord& record = view.Record();
    EXPECT_EQ(record.TargetWindow, static_cast<std::uint32_t>(HandleToLong(window)));
    EXPECT_EQ(record.MessageId, RegisterWindowMessageA("This is Mouse hook") & 0xFFFFu)
        << "only the low 16 bits, the high 16 bits 0";
    EXPECT_NE(record.HookHandle, 0u);
  }
  RemoveHook();
  DestroyWindow(window);
}
