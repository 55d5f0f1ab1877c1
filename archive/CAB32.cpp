#include "archive/CAB32.h"

TCab32::TCab32(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Cab) {
  LoadDLL();
}

void TCab32::AddSwitches(TCmdOpt& line, const TArchiverOptions& o) const {
  line.AddFlag(L"o", o.c == 1);
  line.AddFlag(L"i", OwnerWindow() || o.n > 0);
  line.AddFlag(L"r", o.r > 0);
  line.AddDir(L"h", o.w);
  line.AddFlag(L"j", o.x == 0);
  line.AddFlag(L"q", o.ji > 0);
  AddUserOptions(line, o);
}

int TCab32::Send(const std::wstring& word, TWindowHandle owner, const std::wstring& archive,
                 const TArchiverOptions& options, const std::wstring& folder,
                 const TFileList& files, bool useResponseFile, std::string& output) {
  TCmdOpt line;
  AddSwitches(line, options);
  return RunCommand(Library(), owner,
                    CommandLine(word, line, options, archive, folder, files, useResponseFile),
                    output);
}

int TCab32::Extract(TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& destination,
                    const TFileList& files, bool useResponseFile, std::string& output) {
  return Send(L"-x", owner, libraries_.System().FullPath(archive), options, destination, files,
              useResponseFile, output);
}

int TCab32::Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
                 const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
                 std::string& output) {
  return Send(L"-a", owner, archive, options, baseFolder, files, useResponseFile, output);
}

int TCab32::MakeSfx(TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& outputFolder,
                    std::string& output) {
  return Send(L"-f", owner, archive, options, outputFolder, {}, false, output);
}

int TCab32::ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                            const TArchiverOptions& options, const std::wstring& member,
                            std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) {
  TCmdOpt line;
  AddSwitches(line, options);
  return RunExtractMem(Library(), owner,
                       CommandLine(L"", line, options, archive, L"", {member}, false), buffer,
                       size, written);
}
