#include "archive/RAR32.h"

TRar32::TRar32(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Rar) {
  LoadDLL();
}

std::wstring TRar32::Line(const std::wstring& word, const TArchiveJob& job) {
  const TArchiverOptions& o = job.Options;
  TCmdOpt line;
  line.AddFlag(L"u", o.c <= 0);
  line.AddFlag(L"y", o.m > 0);
  line.AddFlag(L"s", o.p > 0);
  AddUserOptions(line, o);
  return CommandLine(word, line, job);
}

int TRar32::Extract(const TArchiveJob& job) {
  return RunCommand(Library(), job, Line(job.Options.x != 0 ? L"-x" : L"-e", job));
}

int TRar32::ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                            const TArchiverOptions& options, const std::wstring& member,
                            std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) {
  return ExtractMember(Library(), owner, archive, options, member, buffer, size, written,
                       [&](const TArchiveJob& job) { return Line(L"", job); });
}
