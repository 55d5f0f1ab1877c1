#pragma once
// Failures of the socket component and the texts they carry.

#include <string>

#include "base/errors/Errors.h"

class ESockError : public EZelkError {
  using EZelkError::EZelkError;
};

// A send, read or line read ended by a cancel or the time-out.
class EAbortError : public ESockError {
  using ESockError::ESockError;
};

// A count or time-out outside the range its field can hold.
class ERangeError : public EZelkError {
 public:
  ERangeError() : EZelkError(L"Range check error") {}
};

// The text of a Winsock error number: "10061:Connection refused", "Unknown
// Error No. 10099" for a number in no row, empty for 0.
[[nodiscard]] std::wstring SocketErrorText(int code);
