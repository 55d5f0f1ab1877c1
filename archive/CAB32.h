#pragma once
// CAB archives through CAB32.DLL.

#include "archive/Archiver.h"

class TCab32 : public TDllArchiver {
 public:
  explicit TCab32(TArchiverLibraries& libraries);

  // Passes the archive expanded to a full path.
  int Extract(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& destination, const TFileList& files, bool useResponseFile,
              std::string& output) override;
  int Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
           const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
           std::string& output) override;
  int MakeSfx(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& outputFolder, std::string& output) override;
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override;

 private:
  void AddSwitches(TCmdOpt& line, const TArchiverOptions& options) const;
  int Send(const std::wstring& word, TWindowHandle owner, const std::wstring& archive,
           const TArchiverOptions& options, const std::wstring& folder, const TFileList& files,
           bool useResponseFile, std::string& output);
};
