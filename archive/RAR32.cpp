#include "archive/RAR32.h"

TRar32::TRar32(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Rar) {
  LoadDLL();
}

void TRar32::AddSwitches(TCmdOpt& line, const TArchiverOptions& o) {
  line.AddFlag(L"u", o.c <= 0);
  line.AddFlag(L"y", o.m > 0);
  line.AddFlag(L"s", o.p > 0);
  AddUserOptions(line, o);
}

int TRar32::Extract(TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& destination,
                    const TFileList& files, bool useResponseFile, std::string& output) {
  TCmdOpt line;
  AddSwitches(line, options);
  const std::wstring word = options.x != 0 ? L"-x" : L"-e";
  return RunCommand(Library(), owner,
                    CommandLine(word, line, options, archive, destination, files, useResponseFile),
                    output);
}

int TRar32::ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                            const TArchiverOptions& options, const std::wstring& member,
                            std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) {
  TCmdOpt line;
  AddSwitches(line, options);
  return RunExtractMem(Library(), owner,
                       CommandLine(L"", line, options, archive, L"", {member}, false), buffer,
                       size, written);
}
