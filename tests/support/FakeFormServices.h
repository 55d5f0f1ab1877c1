#pragma once
// The form's services for tests: message boxes that answer as told, a
// shutdown that only counts, a help viewer that records.

#include <string>
#include <vector>

#include "app/services/FormServices.h"
#include "tests/net/NetDoubles.h"
#include "tests/support/FakeMessageBoxes.h"

class RecordingShellRunner : public IShellRunner {
 public:
  struct Start {
    std::wstring file, parameters, folder;
    int show;
    bool operator==(const Start&) const = default;
  };
  void ShellRun(const std::wstring& file, const std::wstring& parameters, const std::wstring& folder,
                int showCommand) override {
    starts.push_back({file, parameters, folder, showCommand});
  }
  std::vector<Start> starts;
};

class FakeMouseHook : public IMouseHook {
 public:
  void SetHook(std::uintptr_t window) override { receiver = window; }
  void RemoveHook() override { ++removals; }
  std::string HookMessageName() override { return name; }
  std::uintptr_t receiver = 0;
  int removals = 0;
  std::string name = "This is Mouse hook";
};

class FakeDesktopTest : public IDesktopTest {
 public:
  TDesktopLook Look() override { return look; }
  TDesktopLook look{.MouseOnDesktopView = true, .SelectedIcons = 0};
};

class FakeShutdown : public IShutdown {
 public:
  void RequestShutdown() override { ++requests; }
  int requests = 0;
};

class FakeHelpViewer : public IHelpViewer {
 public:
  void ShowContents(const std::wstring& helpFile) override { shown.push_back(helpFile); }
  void CloseAll() override { ++closeAlls; }
  std::vector<std::wstring> shown;
  int closeAlls = 0;
};
