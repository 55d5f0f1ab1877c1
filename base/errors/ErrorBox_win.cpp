#include "base/errors/ErrorBox_win.h"

#include <exception>
#include <string_view>

#include "base/errors/Errors.h"
#include "base/text/AnsiCodec_win.h"

namespace {

// what() of a library or of our own code is UTF-8; text the system handed
// over (a file name, a system message) may be in the ANSI code page.
std::wstring WideFromWhat(std::string_view what) {
  if (what.empty()) return {};
  const int length = static_cast<int>(what.size());
  const int size =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, what.data(), length, nullptr, 0);
  if (size <= 0) return TAnsiCodec().Decode(what);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, what.data(), length, text.data(), size);
  return text;
}

}  // namespace

void ShowErrorBox(HWND owner, const std::wstring& message) {
  MessageBoxW(owner, message.c_str(), L"ZELK", MB_OK | MB_ICONERROR);
}

std::wstring SystemErrorText(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = length ? std::wstring(buffer, length) : L"エラー " + std::to_wstring(error);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
  return text;
}

std::wstring CurrentExceptionMessage() noexcept {
  try {
    throw;
  } catch (const EZelkError& error) {
    return error.Message();
  } catch (const std::exception& error) {
    return WideFromWhat(error.what());
  } catch (...) {
    return L"予期しないエラーが発生しました。";
  }
}

void ShowCurrentException(HWND owner) noexcept { ShowErrorBox(owner, CurrentExceptionMessage()); }
