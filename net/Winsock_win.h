#pragma once
// Winsock is started by the first live socket component and cleaned up by
// the last one; the count is touched only from the user-interface thread.

#include <string>
#include <vector>

class TWinsockUser {
 public:
  // Counts one more user; the first one starts Winsock 1.1.
  TWinsockUser();
  // The last user cleans Winsock up.
  ~TWinsockUser();
  TWinsockUser(const TWinsockUser&) = delete;
  TWinsockUser& operator=(const TWinsockUser&) = delete;

  // The six start-up lines for the user that started Winsock, else empty.
  [[nodiscard]] const std::vector<std::wstring>& Info() const { return info_; }

  // The live users of the process.
  [[nodiscard]] static int Count();

 private:
  std::vector<std::wstring> info_;
};
