#pragma once
// YZ1 archives through YYZ32.DLL, or YZ1.DLL when that is missing.

#include "archive/Archiver.h"

class TYZ1 : public TDllArchiver {
 public:
  explicit TYZ1(TArchiverLibraries& libraries);

  int Extract(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& destination, const TFileList& files, bool useResponseFile,
              std::string& output) override;
  int Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
           const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
           std::string& output) override;
  // Stub + archive + the archive's size, big-endian; no command is sent.
  int MakeSfx(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& outputFolder, std::string& output) override;

 private:
  int Send(const std::wstring& word, TWindowHandle owner, const std::wstring& archive,
           const TArchiverOptions& options, const std::wstring& folder, const TFileList& files,
           bool useResponseFile, std::string& output);
};
