#include "archive/ZIP32.h"

#include "archive/ArchiverErrors.h"

std::wstring ZipFileName(std::wstring_view name) {
  std::wstring written;
  for (const wchar_t c : name) {
    if (c == L'[') {
      written += L"[[]";
    } else {
      written += c == L'\\' ? L'/' : c;
    }
  }
  if (!written.empty() && written.front() == L'-') written.replace(0, 1, L"[-]");
  return written;
}

TZip32::TZip32(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Zip) {
  LoadDLL();
}

void TZip32::RequireExtractor() {
  if (!Zip().HasUnzip32() && !Zip().HasLmZip32()) {
    throw EArchiver(L"ZIP 形式書庫の解凍には UNZIP32.DLL または LMZIP32.DLL が必要です。");
  }
}

void TZip32::AddExtractSwitches(TCmdOpt& line, const TArchiverOptions& o) const {
  line.NameFilter = ZipFileName;
  line.AddFlag(L"o", o.c == 1);
  if (OwnerWindow() || o.n > 0) line.Add(L"--i");
  line.AddFlag(L"j", o.x == 0);
  AddUserOptions(line, o);
}

void TZip32::AddZipSwitches(TCmdOpt& line, const TArchiverOptions& o) {
  line.NameFilter = ZipFileName;
  line.AddFlag(L"S", o.a > 0);
  line.AddFlag(L"D", o.a < 2);
  line.AddFlag(L"v", o.l > 0);
  line.AddFlag(L"q", o.n > 0);
  line.AddFlag(L"r", o.r > 0);
  line.AddFlag(L"o", o.n > 0);
  line.AddFlag(L"u", o.u > 0);
  line.AddFlag(L"j", o.x == 0);
  line.AddFlag(L"FF", o.jc > 0);
  line.AddFlag(L"k", o.ji > 0);
  line.AddNumber(L"", o.jm);
  line.AddFlag(L"J", o.gd > 0);
  AddUserOptions(line, o);
}

int TZip32::Extract(TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& destination,
                    const TFileList& files, bool useResponseFile, std::string& output) {
  RequireExtractor();
  TCmdOpt line;
  AddExtractSwitches(line, options);
  return Run(CommandLine(L"-x", line, options, archive, destination, files, useResponseFile),
             [&](const std::string& text) {
               return Zip().UnZip(owner, text, output.data(),
                                  static_cast<std::uint32_t>(output.size()));
             });
}

int TZip32::SendZip(const std::wstring& word, TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& folder,
                    const TFileList& files, bool useResponseFile, std::string& output) {
  TCmdOpt line;
  AddZipSwitches(line, options);
  return Run(CommandLine(word, line, options, archive, folder, files, useResponseFile),
             [&](const std::string& text) {
               return Zip().Zip(owner, text, output.data(),
                                static_cast<std::uint32_t>(output.size()));
             });
}

int TZip32::PackWithLmZip(TWindowHandle owner, const std::wstring& archive,
                          const TArchiverOptions& options, const TFileList& files,
                          bool useResponseFile, std::string& output) {
  TCmdOpt line;
  line.AddFlag(L"o", options.c == 1);
  line.AddFlag(L"j", options.x == 0);
  AddUserOptions(line, options);
  const std::wstring commandLine =
      CommandLine(L"-ru", line, options, archive, L"", files, useResponseFile);
  // LMZIP32.DLL adds to an existing archive; packing makes a new one.
  libraries_.System().RemoveFile(archive);
  return Run(commandLine, [&](const std::string& text) {
    return Zip().Zip(owner, text, output.data(), static_cast<std::uint32_t>(output.size()));
  });
}

int TZip32::Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
                 const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
                 std::string& output) {
  if (Zip().HasZip32J()) {
    return SendZip(L"", owner, archive, options, baseFolder, files, useResponseFile, output);
  }
  if (Zip().HasLmZip32()) {
    return PackWithLmZip(owner, archive, options, files, useResponseFile, output);
  }
  throw EArchiver(L"ZIP 形式書庫の作成には ZIP32J.DLL または LMZIP32.DLL が必要です。");
}

int TZip32::Delete(TWindowHandle owner, const std::wstring& archive,
                   const TArchiverOptions& options, const std::wstring&, const TFileList& files,
                   bool useResponseFile, std::string& output) {
  return SendZip(L"-d", owner, archive, options, L"", files, useResponseFile, output);
}

int TZip32::Update(TWindowHandle owner, const std::wstring& archive,
                   const TArchiverOptions& options, const std::wstring& folder,
                   const TFileList& files, bool useResponseFile, std::string& output) {
  return SendZip(L"-f", owner, archive, options, folder, files, useResponseFile, output);
}

int TZip32::MakeSfx(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& o,
                    const std::wstring& outputFolder, std::string& output) {
  if (!Zip().HasZip32J()) throw ESfxNoRequiredFile(L"zip", L"", L"ZIP32J.DLL");
  const bool windows = o.gw > 0;
  const std::wstring stub = windows ? L"sfx32gui.dat" : L"sfx16.dat";
  const std::optional<std::wstring> stubPath = libraries_.System().FindOnSearchPath(stub);
  if (!stubPath) throw ESfxNoRequiredFile(L"zip", windows ? L"Win32" : L"DOS", stub);
  const std::wstring outputPath = SfxOutputPath(archive, outputFolder, L".EXE");
  WriteSfx(libraries_.System(), *stubPath, archive, outputPath);
  // Quoted, so that a path with blanks stays one argument.
  return Run(L"-A \"" + outputPath + L"\"", [&](const std::string& text) {
    return Zip().Zip(owner, text, output.data(), static_cast<std::uint32_t>(output.size()));
  });
}

int TZip32::ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                            const TArchiverOptions& options, const std::wstring& member,
                            std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) {
  TCmdOpt line;
  AddExtractSwitches(line, options);
  return RunExtractMem(Zip(), owner, CommandLine(L"", line, options, archive, L"", {member}, false),
                       buffer, size, written);
}

bool TZip32::CheckArchive(const std::wstring& path, int mode, int) {
  return Zip().CheckArchive(Text(path), mode) != 0;
}
