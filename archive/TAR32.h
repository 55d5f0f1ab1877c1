#pragma once
// tar, tgz and bz2 archives through TAR32.DLL, one wrapper for all three.

#include "archive/Archiver.h"

class TTar32 : public TDllArchiver {
 public:
  explicit TTar32(TArchiverLibraries& libraries);

  int Extract(const TArchiveJob& job) override;
  int Pack(const TArchiveJob& job) override;
  // Stub + archive; no command is sent.
  int MakeSfx(const TArchiveJob& job) override;
  int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& member,
                      std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) override;

 protected:
  // The compression switch of the format: none for plain tar.
  virtual void AddCompression(TCmdOpt& line, const TArchiverOptions& options) const;

 private:
  std::wstring Line(const std::wstring& word, const TArchiveJob& job);
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
  int MakeSfx(const TArchiveJob& job) override;

 protected:
  void AddCompression(TCmdOpt& line, const TArchiverOptions& options) const override;
};
