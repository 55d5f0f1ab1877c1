#pragma once
// RAR archives through UNRAR32.DLL: extraction only.

#include "archive/Archiver.h"

class TRar32 : public TDllArchiver {
 public:
  explicit TRar32(TArchiverLibraries& libraries);

  // "-x" keeps the member folders, "-e" (x = 0) drops them.
  int Extract(const TArchiveJob& job) override;
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override;

 private:
  std::wstring Line(const std::wstring& word, const TArchiveJob& job);
};
