#pragma once
// Failures of the program's own operations: exceptions that carry the finished
// message shown by the standard error box.

#include <exception>
#include <string>
#include <utility>

class EZelkError : public std::exception {
 public:
  explicit EZelkError(std::wstring message) : message_(std::move(message)) {}
  [[nodiscard]] const std::wstring& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return "ZELK error (see Message())"; }

 private:
  std::wstring message_;
};

// A file could not be opened, read, created or written.
class EInOutError : public EZelkError {
  using EZelkError::EZelkError;
};

// A sheet file is shorter than the format or holds an impossible item count.
class ESheetDamaged : public EInOutError {
  using EInOutError::EInOutError;
};
