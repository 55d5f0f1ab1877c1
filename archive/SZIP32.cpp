#include "archive/SZIP32.h"

#include "base/text/Paths.h"
#include "archive/ArchiverErrors.h"

TSevenZip32::TSevenZip32(TArchiverLibraries& libraries)
    : TDllArchiver(libraries, TLibrary::SevenZip) {
  LoadDLL();
}

std::wstring TSevenZip32::Line(const std::wstring& word, bool extracting, const TArchiveJob& job) {
  const TArchiverOptions& o = job.Options;
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
  line.AddDir(L"o", job.Folder);
  AddUserOptions(line, o);
  line.AddQuoted(L"", job.Archive);
  AddFileList(line, o, job.UseResponseFile, job.Files);
  return word + line.Text();
}

int TSevenZip32::Extract(const TArchiveJob& job) {
  return RunCommand(Library(), job, Line(job.Options.x == 0 ? L"e" : L"x", true, job));
}

int TSevenZip32::Pack(const TArchiveJob& job) {
  return RunCommand(Library(), job, Line(L"u", false, job));
}

int TSevenZip32::Delete(const TArchiveJob& job) {
  return RunCommand(Library(), job, Line(L"d", false, WithoutFolder(job)));
}

int TSevenZip32::MakeSfx(const TArchiveJob& job) {
  if (job.Options.gw <= 0) throw EArchiver(L"16bit SFX を作成することはできません。");
  IArchiverSystem& system = libraries_.System();
  const std::wstring stubName = L"7z.sfx";
  std::optional<std::wstring> stub;
  if (const std::optional<std::wstring> folder = system.SevenZipFolder()) {
    const std::wstring installed = JoinPath(*folder, stubName);
    if (system.FileExists(installed)) stub = installed;
  }
  if (!stub) stub = system.FindOnSearchPath(stubName);
  if (!stub) throw ESfxNoRequiredFile(L"7z", L"", stubName);
  WriteSfx(system, *stub, job.Archive, SfxOutputPath(job.Archive, job.Folder, L".exe"));
  return 0;
}
