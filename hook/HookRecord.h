#pragma once
// The hook record: 16 bytes of named shared memory that the main program and
// every process holding the hook library share without a lock.

#include <cstddef>
#include <cstdint>

inline constexpr wchar_t kHookRecordName[] = L"ZELKMouseHookObject";
inline constexpr char kHookMessageName[] = "This is Mouse hook";

// The fields are 32 bits wide in every build. In the i686 library they hold
// the handles as they are; the x86_64 build (run under 64-bit Wine for the
// tests) keeps the same 16-byte layout, which is sound because window and
// hook handles are 32-bit values that Windows sign-extends to pointer size
// (HandleToLong / LongToHandle), so the record never grows with the pointer.
struct THookRecord {
  std::uint32_t HookHandle;
  std::uint32_t MouseWindow;
  std::uint32_t TargetWindow;
  // Only the low 16 bits carry the identifier; the high 16 bits stay 0.
  std::uint32_t MessageId;
};

static_assert(sizeof(THookRecord) == 16);
static_assert(offsetof(THookRecord, HookHandle) == 0);
static_assert(offsetof(THookRecord, MouseWindow) == 4);
static_assert(offsetof(THookRecord, TargetWindow) == 8);
static_assert(offsetof(THookRecord, MessageId) == 12);

[[nodiscard]] constexpr std::uint32_t MessageIdField(unsigned identifier) {
  return identifier & 0xFFFFu;
}
