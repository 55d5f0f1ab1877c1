#include "archive/BGA32.h"

TBGA32::TBGA32(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Bga) {
  LoadDLL();
}

std::wstring TBGA32::Line(const std::wstring& word, const TArchiveJob& job) {
  const TArchiverOptions& o = job.Options;
  TCmdOpt line;
  line.AddFlag(L"a", o.a > 0);
  line.Add(o.c <= 0 ? L"-n" : L"-o");
  line.AddFlag(L"i", OwnerWindow() || o.n > 0);
  line.AddFlag(L"r", o.r > 0);
  line.AddFlag(L"j", o.x <= 0);
  line.AddNumber(L"l", o.jm);
  AddUserOptions(line, o);
  return CommandLine(word, line, job);
}

int TBGA32::Extract(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"x", job)); }

int TBGA32::Pack(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"a", job)); }

int TBGA32::Delete(const TArchiveJob& job) {
  return RunCommand(Library(), job, Line(L"d", WithoutFolder(job)));
}

int TBGA32::MakeSfx(const TArchiveJob& job) {
  return RunCommand(Library(), job, Line(L"s", WithoutFiles(job)));
}

bool TBGA32::CheckArchive(const std::wstring& path, int mode, int extraMode) {
  return TDllArchiver::CheckArchive(path, mode == 2 ? 1 : mode, extraMode);
}
