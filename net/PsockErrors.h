#pragma once
// Failures of the socket component and the texts they carry.

#include <string>
#include <utility>

#include "base/errors/Errors.h"

// Each failure of the socket component and the time client: callers decide
// by the kind, never by the text.
enum class TSockFailure {
  Winsock,  // a Winsock error number; the message is its text
  InitializationFailed,
  AlreadyConnected,
  HostLookupTimedOut,
  HostLookupCanceled,
  HostLookupFailed,
  NullRemoteAddress,
  ConnectionTimedOut,
  ConnectionCanceled,
  ConnectionFailed,
  ConnectionClosed,
  ReadTimedOut,
  ReadCanceled,
  AcceptingCanceled,
  DataConnectionFailed,
  SendAborted,
  ReadLnAborted,
  BadTimeReply,  // a Time-protocol reply that is not four bytes and a close
};

// The fixed text of a failure ("Host Lookup Timed Out"); empty for Winsock.
[[nodiscard]] std::wstring SockFailureText(TSockFailure failure);

class ESockError : public EZelkError {
 public:
  explicit ESockError(TSockFailure failure)
      : EZelkError(SockFailureText(failure)), failure_(failure) {}
  ESockError(TSockFailure failure, std::wstring message)
      : EZelkError(std::move(message)), failure_(failure) {}
  [[nodiscard]] TSockFailure Failure() const noexcept { return failure_; }

 private:
  TSockFailure failure_;
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
