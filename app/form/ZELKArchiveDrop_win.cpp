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
  ExtractDroppedArchive(archive.file, Handle(), settings_.MeltDir, paths);
}

void TZELKForm::DropFilesToCompress(const std::vector<std::wstring>& paths) {
  TFDlg dialog(settings_.FreezeDir, services_.MessageBoxes);
  if (!dialog.ShowModal(Handle())) return;
  TDropArchive archive(codec_, services_.MessageBoxes);
  PackDroppedFiles(archive.file, Handle(), settings_.FreezeDir,
                   PackFileName(dialog.Name, dialog.Type), dialog.FromRoot, paths, archive.search);
}
