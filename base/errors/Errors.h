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

// A file could not be opened, read, created or written. The reason is the
// message without the file's name, so that one kind of failure can be told
// apart from the files it hits.
class EInOutError : public EZelkError {
 public:
  explicit EInOutError(std::wstring message) : EZelkError(message), reason_(std::move(message)) {}
  EInOutError(std::wstring message, std::wstring reason)
      : EZelkError(std::move(message)), reason_(std::move(reason)) {}
  [[nodiscard]] const std::wstring& Reason() const noexcept { return reason_; }

 private:
  std::wstring reason_;
};

// A sheet file is shorter than the format or holds an impossible item count.
class ESheetDamaged : public EInOutError {
  using EInOutError::EInOutError;
};
