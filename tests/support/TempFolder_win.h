#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <cstdint>
#include <string>
#include <vector>

class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  [[nodiscard]] const std::wstring& Path() const { return path_; }
  [[nodiscard]] std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
  // Names of the files and folders directly inside.
  [[nodiscard]] std::vector<std::wstring> Entries(const std::wstring& subfolder = L"") const;

 private:
  std::wstring path_;
};

[[nodiscard]] std::vector<std::uint8_t> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::vector<std::uint8_t>& bytes);
[[nodiscard]] std::vector<std::uint8_t> Bytes(const std::string& text);
