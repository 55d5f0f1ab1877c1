#pragma once
// The file names handed to an archive operation: texts, string lists and
// null-terminated arrays of C strings, taken in order.

#include <initializer_list>
#include <string>
#include <utility>
#include <variant>
#include <vector>

using TFileListValue = std::variant<std::wstring, std::vector<std::wstring>, const wchar_t* const*>;

class TFileList {
 public:
  TFileList() = default;
  TFileList(std::initializer_list<TFileListValue> values) : values_(values) {}
  void Append(TFileListValue value) { values_.push_back(std::move(value)); }
  // The texts in order, empty ones dropped.
  [[nodiscard]] std::vector<std::wstring> Flatten() const;

 private:
  std::vector<TFileListValue> values_;
};
