#pragma once
// LHA archives through UNLHA32.DLL, and ARJ archives through UNARJ32J.DLL,
// which takes the same command lines.

#include "archive/Archiver.h"

class TLha32 : public TDllArchiver {
 public:
  explicit TLha32(TArchiverLibraries& libraries) : TLha32(libraries, TLibrary::Lha) {}

  int Extract(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& destination, const TFileList& files, bool useResponseFile,
              std::string& output) override;
  int Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
           const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
           std::string& output) override;
  int Delete(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
             const std::wstring& folder, const TFileList& files, bool useResponseFile,
             std::string& output) override;
  int Update(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
             const std::wstring& folder, const TFileList& files, bool useResponseFile,
             std::string& output) override;
  int MakeSfx(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& outputFolder, std::string& output) override;
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override;

 protected:
  TLha32(TArchiverLibraries& libraries, TLibrary library);
  // The command word + every switch of the options + archive, folder, files.
  int Send(const std::wstring& word, TWindowHandle owner, const std::wstring& archive,
           const TArchiverOptions& options, const std::wstring& folder, const TFileList& files,
           bool useResponseFile, std::string& output);
  void AddSwitches(TCmdOpt& line, const TArchiverOptions& options) const;
};

// ARJ archives are only extracted, checked and listed: the other LHA
// operations would send ARJ archives to UNLHA32.DLL, so they are refused.
class TArj32 : public TLha32 {
 public:
  explicit TArj32(TArchiverLibraries& libraries) : TLha32(libraries, TLibrary::Arj) {}

  int Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
           const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
           std::string& output) override;
  int Delete(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
             const std::wstring& folder, const TFileList& files, bool useResponseFile,
             std::string& output) override;
  int Update(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
             const std::wstring& folder, const TFileList& files, bool useResponseFile,
             std::string& output) override;
  int MakeSfx(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& outputFolder, std::string& output) override;
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override;
};
