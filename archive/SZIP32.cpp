#include "archive/SZIP32.h"

#include "app/text/Paths.h"
#include "archive/ArchiverErrors.h"

TSevenZip32::TSevenZip32(TArchiverLibraries& libraries)
    : TDllArchiver(libraries, TLibrary::SevenZip) {
  LoadDLL();
}

int TSevenZip32::Send(const std::wstring& word, bool extracting, TWindowHandle owner,
                      const std::wstring& archive, const TArchiverOptions& o,
                      const std::wstring& folder, const TFileList& files, bool useResponseFile,
                      std::string& output) {
  TCmdOpt line;
  if (extracting) {
    if (o.m == 2) {
      line.Add(L"-aou");
    } else if (o.jn > 0) {
      line.Add(L"-aos");
    } else if (o.c > 0) {
      line.Add(L"-aoa");
    }
  }
  line.Add(L"-ms=off");
  line.AddFlag(L"hide", o.n > 0);
  line.AddFlag(L"r-", o.r == 0);
  line.AddFlag(L"r", o.r > 1);
  line.AddDir(L"w", o.w);
  line.AddFlag(L"y", o.y > 0);
  for (const std::wstring& pattern : o.jx) line.AddFile(L"x!", pattern);
  line.AddDir(L"o", folder);
  AddUserOptions(line, o);
  line.AddQuoted(L"", archive);
  AddFileList(line, o, useResponseFile, files);
  return RunCommand(Library(), owner, word + line.Text(), output);
}

int TSevenZip32::Extract(TWindowHandle owner, const std::wstring& archive,
                         const TArchiverOptions& options, const std::wstring& destination,
                         const TFileList& files, bool useResponseFile, std::string& output) {
  return Send(options.x == 0 ? L"e" : L"x", true, owner, archive, options, destination, files,
              useResponseFile, output);
}

int TSevenZip32::Pack(TWindowHandle owner, const std::wstring& archive,
                      const TArchiverOptions& options, const std::wstring& baseFolder,
                      const TFileList& files, bool useResponseFile, std::string& output) {
  return Send(L"u", false, owner, archive, options, baseFolder, files, useResponseFile, output);
}

int TSevenZip32::Delete(TWindowHandle owner, const std::wstring& archive,
                        const TArchiverOptions& options, const std::wstring&,
                        const TFileList& files, bool useResponseFile, std::string& output) {
  return Send(L"d", false, owner, archive, options, L"", files, useResponseFile, output);
}

int TSevenZip32::MakeSfx(TWindowHandle, const std::wstring& archive,
                         const TArchiverOptions& options, const std::wstring& outputFolder,
                         std::string&) {
  if (options.gw <= 0) throw EArchiver(L"16bit SFX を作成することはできません。");
  IArchiverSystem& system = libraries_.System();
  const std::wstring stubName = L"7z.sfx";
  std::optional<std::wstring> stub;
  if (const std::optional<std::wstring> folder = system.SevenZipFolder()) {
    const std::wstring installed = JoinPath(*folder, stubName);
    if (system.FileExists(installed)) stub = installed;
  }
  if (!stub) stub = system.FindOnSearchPath(stubName);
  if (!stub) throw ESfxNoRequiredFile(L"7z", L"", stubName);
  WriteSfx(system, *stub, archive, SfxOutputPath(archive, outputFolder, L".exe"));
  return 0;
}
