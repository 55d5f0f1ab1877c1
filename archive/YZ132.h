#pragma once
// YZ1 archives through YYZ32.DLL, or YZ1.DLL when that is missing.

#include "archive/Archiver.h"

class TYZ1 : public TDllArchiver {
 public:
  explicit TYZ1(TArchiverLibraries& libraries);

  int Extract(const TArchiveJob& job) override;
  int Pack(const TArchiveJob& job) override;
  // Stub + archive + the archive's size, big-endian; no command is sent.
  int MakeSfx(const TArchiveJob& job) override;

 private:
  std::wstring Line(const std::wstring& word, const TArchiveJob& job);
};
