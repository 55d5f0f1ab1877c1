#pragma once
// ZIP archives: extracted through UNZIP32.DLL or LMZIP32.DLL, created through
// ZIP32J.DLL or, without it, LMZIP32.DLL.

#include "archive/Archiver.h"

class TZip32 : public TDllArchiver {
 public:
  explicit TZip32(TArchiverLibraries& libraries);

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
  // The library's check with the first mode alone.
  bool CheckArchive(const std::wstring& path, int mode, int extraMode) override;

 private:
  TZipDll& Zip() { return libraries_.Zip(); }
  void RequireExtractor();
  // The line of the extract command, before archive, folder and files.
  void AddExtractSwitches(TCmdOpt& line, const TArchiverOptions& options) const;
  // The line of the ZIP32J.DLL commands.
  static void AddZipSwitches(TCmdOpt& line, const TArchiverOptions& options);
  int SendZip(const std::wstring& word, TWindowHandle owner, const std::wstring& archive,
              const TArchiverOptions& options, const std::wstring& folder,
              const TFileList& files, bool useResponseFile, std::string& output);
  int PackWithLmZip(TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const TFileList& files,
                    bool useResponseFile, std::string& output);
};

// How a file name is written for the ZIP libraries: "[" as "[[]", "\" as
// "/", and a leading "-" as "[-]" so that it is not read as a switch.
[[nodiscard]] std::wstring ZipFileName(std::wstring_view name);
