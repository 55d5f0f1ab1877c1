#include "archive/TAR32.h"

#include "archive/ArchiverErrors.h"

TTar32::TTar32(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Tar) {
  LoadDLL();
}

void TTar32::AddCompression(TCmdOpt&, const TArchiverOptions&) const {}

void TTgz32::AddCompression(TCmdOpt& line, const TArchiverOptions& o) const {
  if (o.jm > 0) {
    line.AddNumber(L"z", o.jm);
  } else {
    line.Add(L"-z");
  }
}

void TBZ232::AddCompression(TCmdOpt& line, const TArchiverOptions& o) const {
  if (o.jm > 0) {
    line.AddNumber(L"B", o.jm);
  } else {
    line.Add(L"-B");
  }
}

std::wstring TTar32::Line(const std::wstring& word, const TArchiveJob& job) {
  const TArchiverOptions& o = job.Options;
  TCmdOpt line;
  line.SeparateValue = true;
  line.AddFlag(L"AH", o.a > 0);
  line.AddFlag(L"I", o.a == 0);
  if (!OwnerWindow() && o.n > 0) line.Add(L"--display-dialog=0");
  line.AddFlag(L"g", o.o > 0);
  line.AddNumber(L"-check-all-path=", o.p);
  line.AddNumber(L"-use-directory=", o.x);
  AddCompression(line, o);
  AddUserOptions(line, o);
  line.AddQuoted(L"f", job.Archive);
  line.AddDir(L"o", job.Folder);
  AddFileList(line, o, job.UseResponseFile, job.Files);
  return word + line.Text();
}

int TTar32::Extract(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"x", job)); }

int TTar32::Pack(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"c", job)); }

int TTar32::MakeSfx(const TArchiveJob& job) {
  const std::optional<std::wstring> stub = libraries_.System().FindOnSearchPath(L"kmtarsef.exe");
  if (!stub) throw ESfxNoRequiredFile(L"tar/tgz", L"", L"kmtarsef.exe");
  WriteSfx(libraries_.System(), *stub, job.Archive,
           SfxOutputPath(job.Archive, job.Folder, L".EXE"));
  return 0;
}

int TBZ232::MakeSfx(const TArchiveJob&) {
  throw EArchiver(L"BZ2 形式書庫は自己解凍形式にできません。");
}

int TTar32::ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                            const TArchiverOptions& options, const std::wstring& member,
                            std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) {
  return ExtractMember(Library(), owner, archive, options, member, buffer, size, written,
                       [&](const TArchiveJob& job) { return Line(L"", job); });
}
