#include "app/settings/PrivateProfile_win.h"

#include <windows.h>

#include <vector>

#include "base/errors/ErrorBox_win.h"
#include "base/errors/Errors.h"

namespace {

// Given as the default so that a missing key can be told from an empty one.
constexpr wchar_t kMissing[] = L"\x01missing\x01";

}  // namespace

std::optional<std::wstring> TPrivateProfile::ReadString(std::wstring_view section,
                                                        std::wstring_view key) const {
  const std::wstring sectionText(section);
  const std::wstring keyText(key);
  std::vector<wchar_t> buffer(1024);
  for (;;) {
    const DWORD length =
        GetPrivateProfileStringW(sectionText.c_str(), keyText.c_str(), kMissing, buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path_.c_str());
    if (length + 1 < buffer.size()) {
      std::wstring value(buffer.data(), length);
      if (value == kMissing) return std::nullopt;
      return value;
    }
    buffer.resize(buffer.size() * 4);
  }
}

void TPrivateProfile::WriteString(std::wstring_view section, std::wstring_view key,
                                  std::wstring_view value) {
  if (!WritePrivateProfileStringW(std::wstring(section).c_str(), std::wstring(key).c_str(),
                                  std::wstring(value).c_str(), path_.c_str())) {
    throw EInOutError(L"ファイル「" + path_ + L"」を保存できませんでした。\n" +
                      SystemErrorText(GetLastError()));
  }
}
