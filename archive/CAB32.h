#pragma once
// CAB archives through CAB32.DLL.

#include "archive/Archiver.h"

class TCab32 : public TDllArchiver {
 public:
  explicit TCab32(TArchiverLibraries& libraries);

  // Passes the archive expanded to a full path.
  int Extract(const TArchiveJob& job) override;
  int Pack(const TArchiveJob& job) override;
  // The output folder in the folder's place, no files.
  int MakeSfx(const TArchiveJob& job) override;
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override;

 private:
  std::wstring Line(const std::wstring& word, const TArchiveJob& job);
};
