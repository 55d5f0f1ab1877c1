#pragma once
// The real shutdown request and help viewer, and the program's own path.

#include <cstdint>
#include <string>

#include "app/services/HelpViewer.h"
#include "app/services/Shutdown.h"
#include "base/win32/Handles_win.h"

class TWin32Shutdown : public IShutdown {
 public:
  void RequestShutdown() override;
};

// HTML Help, loaded when first needed: a system without it, or a missing
// help file, shows nothing and does no harm.
class THtmlHelpViewer : public IHelpViewer {
 public:
  void ShowContents(const std::wstring& helpFile) override;
  void CloseAll() override;

 private:
  using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);
  HtmlHelpFunction Load();
  TModule library_;
  HtmlHelpFunction htmlHelp_ = nullptr;
};

// The path of the running program.
[[nodiscard]] std::wstring ProgramPath();
