#pragma once
// LHA archives through UNLHA32.DLL, and ARJ archives through UNARJ32J.DLL,
// which takes the same command lines.

#include "archive/Archiver.h"

class TLha32 : public TDllArchiver {
 public:
  explicit TLha32(TArchiverLibraries& libraries) : TLha32(libraries, TLibrary::Lha) {}

  int Extract(const TArchiveJob& job) override;
  int Pack(const TArchiveJob& job) override;
  // Without a folder.
  int Delete(const TArchiveJob& job) override;
  int Update(const TArchiveJob& job) override;
  // The output folder in the folder's place, no files.
  int MakeSfx(const TArchiveJob& job) override;
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override;

 protected:
  TLha32(TArchiverLibraries& libraries, TLibrary library);
  // The command word + every switch of the options + archive, folder, files.
  std::wstring Line(const std::wstring& word, const TArchiveJob& job);
  void AddSwitches(TCmdOpt& line, const TArchiverOptions& options) const;
};

// ARJ archives are only extracted, checked and listed: the other LHA
// operations would send ARJ archives to UNLHA32.DLL, so they are refused.
class TArj32 : public TLha32 {
 public:
  explicit TArj32(TArchiverLibraries& libraries) : TLha32(libraries, TLibrary::Arj) {}

  int Pack(const TArchiveJob& job) override { return TArchiver::Pack(job); }
  int Delete(const TArchiveJob& job) override { return TArchiver::Delete(job); }
  int Update(const TArchiveJob& job) override { return TArchiver::Update(job); }
  int MakeSfx(const TArchiveJob& job) override { return TArchiver::MakeSfx(job); }
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override {
    return TArchiver::ExtractToMemory(owner, archive, options, member, buffer, size, written);
  }
};
