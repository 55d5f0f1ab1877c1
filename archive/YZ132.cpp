#include "archive/YZ132.h"

#include "archive/ArchiverErrors.h"

namespace {
// The library's "y" switch for the option m; -1 writes nothing.
int YValue(int m) {
  switch (m) {
    case 0:
      return 2;
    case 1:
      return 1;
    case 2:
      return 2;
    case 9:
      return 0;
    default:
      return -1;
  }
}
}  // namespace

TYZ1::TYZ1(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Yz1) { LoadDLL(); }

std::wstring TYZ1::Line(const std::wstring& word, const TArchiveJob& job) {
  const TArchiverOptions& o = job.Options;
  TCmdOpt line;
  line.Add(L"-+");
  const int y = YValue(o.m);
  line.AddNumber(L"y", y);
  line.AddNumber(L"c", y == 2 ? 2 : o.c);
  line.AddFlag(L"i", OwnerWindow() || o.n > 0);
  line.AddNumber(L"z", o.p);
  line.AddNumber(L"x", o.x);
  AddUserOptions(line, o);
  return CommandLine(word, line, job);
}

int TYZ1::Extract(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"x", job)); }

int TYZ1::Pack(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"c", job)); }

int TYZ1::MakeSfx(const TArchiveJob& job) {
  IArchiverSystem& system = libraries_.System();
  std::optional<std::wstring> stub;
  if (job.Options.gw > 0) {
    stub = system.FindOnSearchPath(L"yzw32cui.sfx");
    if (!stub) stub = system.FindOnSearchPath(L"yzdec.exe");
    if (!stub) {
      throw EArchiver(
          L"yz1 書庫からのWin32自己解凍書庫の作成には yzw32cui.sfx か yzdec.exe が必要です。");
    }
  } else {
    stub = system.FindOnSearchPath(L"yzdos16.sfx");
    if (!stub) throw EArchiver(L"yz1 書庫からのDOS自己解凍書庫の作成には yzdos16.sfx が必要です。");
  }
  WriteSfx(system, *stub, job.Archive, SfxOutputPath(job.Archive, job.Folder, L".exe"), true);
  return 0;
}
