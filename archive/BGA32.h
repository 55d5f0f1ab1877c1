#pragma once
// GZA and BZA archives through BGA32.DLL.

#include "archive/Archiver.h"

class TBGA32 : public TDllArchiver {
 public:
  explicit TBGA32(TArchiverLibraries& libraries);

  int Extract(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& destination, const TFileList& files, bool useResponseFile,
              std::string& output) override;
  int Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
           const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
           std::string& output) override;
  int Delete(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
             const std::wstring& folder, const TFileList& files, bool useResponseFile,
             std::string& output) override;
  int MakeSfx(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& outputFolder, std::string& output) override;
  // The library knows no mode 2: it is checked as mode 1.
  bool CheckArchive(const std::wstring& path, int mode, int extraMode) override;

 private:
  int Send(const std::wstring& word, TWindowHandle owner, const std::wstring& archive,
           const TArchiverOptions& options, const std::wstring& folder, const TFileList& files,
           bool useResponseFile, std::string& output);
};
