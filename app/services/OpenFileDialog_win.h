#pragma once
// The system's open-file dialog behind a seam, so that tests answer it.

#include <windows.h>

#include <string>
#include <vector>

#include "app/services/OpenFileDialog.h"

class IOpenFileDialog {
 public:
  virtual ~IOpenFileDialog() = default;
  // The files the user chose, several allowed; none when cancelled.
  [[nodiscard]] virtual std::vector<std::wstring> PickFiles(HWND owner,
                                                            const std::wstring& title) = 0;
};

class TWin32OpenFileDialog : public IOpenFileDialog {
 public:
  [[nodiscard]] std::vector<std::wstring> PickFiles(HWND owner, const std::wstring& title) override;
};
