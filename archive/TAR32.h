#pragma once
// tar, tgz and bz2 archives through TAR32.DLL, one wrapper for all three.

#include "archive/Archiver.h"

class TTar32 : public TDllArchiver {
 public:
  explicit TTar32(TArchiverLibraries& libraries);

  int Extract(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& destination, const TFileList& files, bool useResponseFile,
              std::string& output) override;
  int Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
           const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
           std::string& output) override;
  // Stub + archive; no command is sent.
  int MakeSfx(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& outputFolder, std::string& output) override;
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override;

 protected:
  // The compression switch of the format: none for plain tar.
  virtual void AddCompression(TCmdOpt& line, const TArchiverOptions& options) const;

 private:
  std::wstring Line(const std::wstring& word, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& folder,
                    const TFileList& files, bool useResponseFile);
};

class TTgz32 : public TTar32 {
 public:
  using TTar32::TTar32;

 protected:
  void AddCompression(TCmdOpt& line, const TArchiverOptions& options) const override;
};

class TBZ232 : public TTar32 {
 public:
  using TTar32::TTar32;
  // Refused: bz2 archives have no self-extractor.
  int MakeSfx(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
              const std::wstring& outputFolder, std::string& output) override;

 protected:
  void AddCompression(TCmdOpt& line, const TArchiverOptions& options) const override;
};
