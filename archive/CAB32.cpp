#include "archive/CAB32.h"

TCab32::TCab32(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Cab) {
  LoadDLL();
}

std::wstring TCab32::Line(const std::wstring& word, const TArchiveJob& job) {
  const TArchiverOptions& o = job.Options;
  TCmdOpt line;
  line.AddFlag(L"o", o.c == 1);
  line.AddFlag(L"i", OwnerWindow() || o.n > 0);
  line.AddFlag(L"r", o.r > 0);
  line.AddDir(L"h", o.w);
  line.AddFlag(L"j", o.x == 0);
  line.AddFlag(L"q", o.ji > 0);
  AddUserOptions(line, o);
  return CommandLine(word, line, job);
}

int TCab32::Extract(const TArchiveJob& job) {
  TArchiveJob fullPath = job;
  fullPath.Archive = libraries_.System().FullPath(job.Archive);
  return RunCommand(Library(), job, Line(L"-x", fullPath));
}

int TCab32::Pack(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"-a", job)); }

int TCab32::MakeSfx(const TArchiveJob& job) {
  return RunCommand(Library(), job, Line(L"-f", WithoutFiles(job)));
}

int TCab32::ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                            const TArchiverOptions& options, const std::wstring& member,
                            std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) {
  return ExtractMember(Library(), owner, archive, options, member, buffer, size, written,
                       [&](const TArchiveJob& job) { return Line(L"", job); });
}
