#pragma once
// The main window created in-process in a temporary program folder, with
// fake services.

#include <windows.h>

#include <memory>

#include "app/form/ZELK_win.h"
#include "app/launch/ShortcutResolver_win.h"
#include "tests/app/shortcuts/RecordingShell.h"
#include "tests/support/FakeFormServices.h"
#include "tests/support/AnsweringBrowser_win.h"
#include "tests/support/FakePickers_win.h"
#include "tests/support/TempFolder_win.h"

class FormFixture {
 public:
  FormFixture() = default;
  ~FormFixture() {
    form.reset();
    // The destroyed window asked the message loop to end; this test has none.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }

  // Writes the settings file before the window is created.
  void WriteSettings(const std::string& text) const;
  TZELKForm& Create();
  [[nodiscard]] std::wstring ProgramFile(const std::wstring& name) const { return folder.File(name); }
  [[nodiscard]] RECT ControlRect(int id) const;  // in the form's client area
  // The colour a window paints its background in.
  [[nodiscard]] COLORREF BackgroundColor(int id) const;

  TTempFolder folder;
  FakeMessageBoxes messageBoxes;
  FakeShutdown shutdown;
  FakeHelpViewer help;
  RecordingShellRunner shell;
  RecordingShell executor;
  TableSpecialFolders folders;
  TShellLinkResolver shortcuts;
  FakeMouseHook mouseHook;
  FakeDesktopTest desktop;
  FakeTimeSource timeSource;
  RecordingClock clock;
  FakeConnection connection;
  FakeColorPicker colorPicker;
  TAnsweringBrowser folderBrowser;
  FakeOpenFileDialog openFile;
  // Stands for the hidden application window that owns the form.
  TOwnedWindow application;
  std::unique_ptr<TZELKForm> form;
};
