#pragma once
// ZIP archives: extracted through UNZIP32.DLL or LMZIP32.DLL, created through
// ZIP32J.DLL or, without it, LMZIP32.DLL.

#include "archive/Archiver.h"

class TZip32 : public TDllArchiver {
 public:
  explicit TZip32(TArchiverLibraries& libraries);

  int Extract(const TArchiveJob& job) override;
  int Pack(const TArchiveJob& job) override;
  int Delete(const TArchiveJob& job) override;
  int Update(const TArchiveJob& job) override;
  // Stub + archive, then completed by ZIP32J.DLL.
  int MakeSfx(const TArchiveJob& job) override;
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override;
  // The library's check with the first mode alone.
  bool CheckArchive(const std::wstring& path, int mode, int extraMode) override;

 private:
  TZipDll& Zip() { return libraries_.Zip(); }
  // The line of the extract command.
  std::wstring ExtractLine(const std::wstring& word, const TArchiveJob& job);
  // The line of the ZIP32J.DLL commands.
  std::wstring ZipLine(const std::wstring& word, const TArchiveJob& job);
  int SendZip(const TArchiveJob& job, const std::wstring& commandLine);
  int PackWithLmZip(const TArchiveJob& job);
};

// How a file name is written for the ZIP libraries: "[" as "[[]", "\" as
// "/", and a leading "-" as "[-]" so that it is not read as a switch.
[[nodiscard]] std::wstring ZipFileName(std::wstring_view name);
