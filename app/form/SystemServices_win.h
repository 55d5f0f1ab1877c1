#pragma once
// The real message boxes, shutdown request and help viewer.

#include <cstdint>

#include "app/form/FormServices.h"

class TWin32MessageBoxes : public IMessageBoxes {
 public:
  [[nodiscard]] bool Confirm(const std::wstring& text) override;
  [[nodiscard]] bool AskYesNo(const std::wstring& text) override;
  void Inform(const std::wstring& text) override;
  void ShowError(const std::wstring& text) override;
};

class TWin32Shutdown : public IShutdown {
 public:
  void RequestShutdown() override;
};

// HTML Help, loaded when first needed: a system without it, or a missing
// help file, shows nothing and does no harm.
class THtmlHelpViewer : public IHelpViewer {
 public:
  ~THtmlHelpViewer() override;
  void ShowContents(const std::wstring& helpFile) override;
  void CloseAll() override;

 private:
  using HtmlHelpFunction = void* (__stdcall*)(void*, const wchar_t*, unsigned, std::uintptr_t);
  HtmlHelpFunction Load();
  void* library_ = nullptr;  // HMODULE, owned
  HtmlHelpFunction htmlHelp_ = nullptr;
};

// The path of the running program.
[[nodiscard]] std::wstring ProgramPath();
