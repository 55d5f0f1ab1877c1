#pragma once
// 7z archives through 7-zip32.dll.

#include "archive/Archiver.h"

class TSevenZip32 : public TDllArchiver {
 public:
  explicit TSevenZip32(TArchiverLibraries& libraries);

  // "x" keeps the member folders, "e" (x = 0) drops them.
  int Extract(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& destination, const TFileList& files, bool useResponseFile,
              std::string& output) override;
  int Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
           const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
           std::string& output) override;
  int Delete(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
             const std::wstring& folder, const TFileList& files, bool useResponseFile,
             std::string& output) override;
  // Stub "7z.sfx" + archive; no command is sent. Only 32-bit self-extractors.
  int MakeSfx(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& outputFolder, std::string& output) override;

 private:
  int Send(const std::wstring& word, bool extracting, TWindowHandle owner,
           const std::wstring& archive, const TArchiverOptions& options,
           const std::wstring& folder, const TFileList& files, bool useResponseFile,
           std::string& output);
};
