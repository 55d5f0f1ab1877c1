#pragma once
// GZA and BZA archives through BGA32.DLL.

#include "archive/Archiver.h"

class TBGA32 : public TDllArchiver {
 public:
  explicit TBGA32(TArchiverLibraries& libraries);

  int Extract(const TArchiveJob& job) override;
  int Pack(const TArchiveJob& job) override;
  // Without a folder.
  int Delete(const TArchiveJob& job) override;
  // The output folder in the folder's place, no files.
  int MakeSfx(const TArchiveJob& job) override;
  // The library knows no mode 2: it is checked as mode 1.
  bool CheckArchive(const std::wstring& path, int mode, int extraMode) override;

 private:
  std::wstring Line(const std::wstring& word, const TArchiveJob& job);
};
