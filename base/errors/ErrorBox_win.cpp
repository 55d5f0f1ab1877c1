#include "base/errors/ErrorBox_win.h"

#include <exception>

#include "base/errors/Errors.h"

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
    const std::string what = error.what();
    return std::wstring(what.begin(), what.end());
  } catch (...) {
    return L"予期しないエラーが発生しました。";
  }
}

void ShowCurrentException(HWND owner) noexcept { ShowErrorBox(owner, CurrentExceptionMessage()); }
