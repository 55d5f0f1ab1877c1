#include "archive/BGA32.h"

TBGA32::TBGA32(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Bga) {
  LoadDLL();
}

int TBGA32::Send(const std::wstring& word, TWindowHandle owner, const std::wstring& archive,
                 const TArchiverOptions& o, const std::wstring& folder, const TFileList& files,
                 bool useResponseFile, std::string& output) {
  TCmdOpt line;
  line.AddFlag(L"a", o.a > 0);
  line.Add(o.c <= 0 ? L"-n" : L"-o");
  line.AddFlag(L"i", OwnerWindow() || o.n > 0);
  line.AddFlag(L"r", o.r > 0);
  line.AddFlag(L"j", o.x <= 0);
  line.AddNumber(L"l", o.jm);
  AddUserOptions(line, o);
  return RunCommand(Library(), owner,
                    CommandLine(word, line, o, archive, folder, files, useResponseFile), output);
}

int TBGA32::Extract(TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& destination,
                    const TFileList& files, bool useResponseFile, std::string& output) {
  return Send(L"x", owner, archive, options, destination, files, useResponseFile, output);
}

int TBGA32::Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
                 const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
                 std::string& output) {
  return Send(L"a", owner, archive, options, baseFolder, files, useResponseFile, output);
}

int TBGA32::Delete(TWindowHandle owner, const std::wstring& archive,
                   const TArchiverOptions& options, const std::wstring&, const TFileList& files,
                   bool useResponseFile, std::string& output) {
  return Send(L"d", owner, archive, options, L"", files, useResponseFile, output);
}

int TBGA32::MakeSfx(TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& outputFolder,
                    std::string& output) {
  return Send(L"s", owner, archive, options, outputFolder, {}, false, output);
}

bool TBGA32::CheckArchive(const std::wstring& path, int mode, int extraMode) {
  return TDllArchiver::CheckArchive(path, mode == 2 ? 1 : mode, extraMode);
}
