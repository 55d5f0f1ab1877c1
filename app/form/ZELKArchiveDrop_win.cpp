// The extract and compress drop targets of the top bar: a component made
// for each drop, with the system's libraries, code page and file search.

#include <windows.h>

#include "app/archivedrop/ArchiveDrop.h"
#include "app/dialogs/Freeze/Freeze_win.h"
#include "app/form/ZELK_win.h"
#include "archive/ArchiveFile.h"
#include "archive/ArchiverSystem_win.h"
#include "archive/ModuleLoader_win.h"
#include "archive/ProgressWindow_win.h"
#include "base/win32/BackgroundWork_win.h"
#include "base/win32/Handles_win.h"

namespace {

// The archive component with what it works through, for one drop.
struct TDropArchive {
  explicit TDropArchive(const ITextCodec& codec, IMessageBoxes& messageBoxes)
      : libraries(loader, codec, system),
        file(libraries, search, TProgressWindow::Factory(messageBoxes)) {}

  TWin32ModuleLoader loader;
  TWin32ArchiverSystem system;
  TWin32FileSearch search;
  TArchiverLibraries libraries;
  TArchiveFile file;
};

}  // namespace

void TZELKForm::DropArchiveToExtract(const std::vector<std::wstring>& paths) {
  TDropArchive archive(codec_, services_.MessageBoxes);
  const HWND owner = Handle();
  const std::wstring meltDir = settings_.MeltDir;
  RunArchiveWork([&] { ExtractDroppedArchive(archive.file, owner, meltDir, paths); });
}

void TZELKForm::DropFilesToCompress(const std::vector<std::wstring>& paths) {
  TFDlg dialog(settings_.FreezeDir, services_.MessageBoxes);
  if (!dialog.ShowModal(Handle())) return;
  TDropArchive archive(codec_, services_.MessageBoxes);
  const HWND owner = Handle();
  const std::wstring freezeDir = settings_.FreezeDir;
  const std::wstring fileName = PackFileName(dialog.Name, dialog.Type);
  RunArchiveWork([&] {
    PackDroppedFiles(archive.file, owner, freezeDir, fileName, dialog.FromRoot, paths,
                     archive.search);
  });
}

// The library works beside the window, which meanwhile answers, paints and
// refuses further drops on the targets (DropMessage). The work touches only
// its own archive component and copies of the settings.
void TZELKForm::RunArchiveWork(const std::function<void()>& work) {
  archiveWorking_ = true;
  struct TDone {
    bool& working;
    ~TDone() { working = false; }
  } done{archiveWorking_};
  RunBesideMessages(
      [&] {
        // The libraries may use the shell, as they could on the window's thread.
        const TComApartment com;
        work();
      },
      [this](const MSG& message) { return ApplicationMessage(message); });
}
