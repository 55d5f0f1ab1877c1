#pragma once
// 7z archives through 7-zip32.dll.

#include "archive/Archiver.h"

class TSevenZip32 : public TDllArchiver {
 public:
  explicit TSevenZip32(TArchiverLibraries& libraries);

  // "x" keeps the member folders, "e" (x = 0) drops them.
  int Extract(const TArchiveJob& job) override;
  int Pack(const TArchiveJob& job) override;
  // Without a folder.
  int Delete(const TArchiveJob& job) override;
  // Stub "7z.sfx" + archive; no command is sent. Only 32-bit self-extractors.
  int MakeSfx(const TArchiveJob& job) override;

 private:
  std::wstring Line(const std::wstring& word, bool extracting, const TArchiveJob& job);
};
