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

std::wstring TTar32::Line(const std::wstring& word, const std::wstring& archive,
                          const TArchiverOptions& o, const std::wstring& folder,
                          const TFileList& files, bool useResponseFile) {
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
  line.AddQuoted(L"f", archive);
  line.AddDir(L"o", folder);
  AddFileList(line, o, useResponseFile, files);
  return word + line.Text();
}

int TTar32::Extract(TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& destination,
                    const TFileList& files, bool useResponseFile, std::string& output) {
  return RunCommand(Library(), owner,
                    Line(L"x", archive, options, destination, files, useResponseFile), output);
}

int TTar32::Pack(TWindowHandle owner, const std::wstring& archive, const TArchiverOptions& options,
                 const std::wstring& baseFolder, const TFileList& files, bool useResponseFile,
                 std::string& output) {
  return RunCommand(Library(), owner,
                    Line(L"c", archive, options, baseFolder, files, useResponseFile), output);
}

int TTar32::MakeSfx(TWindowHandle, const std::wstring& archive, const TArchiverOptions&,
                    const std::wstring& outputFolder, std::string&) {
  const std::optional<std::wstring> stub = libraries_.System().FindOnSearchPath(L"kmtarsef.exe");
  if (!stub) throw ESfxNoRequiredFile(L"tar/tgz", L"", L"kmtarsef.exe");
  WriteSfx(libraries_.System(), *stub, archive, SfxOutputPath(archive, outputFolder, L".EXE"));
  return 0;
}

int TBZ232::MakeSfx(TWindowHandle, const std::wstring&, const TArchiverOptions&,
                    const std::wstring&, std::string&) {
  throw EArchiver(L"BZ2 形式書庫は自己解凍形式にできません。");
}

int TTar32::ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                            const TArchiverOptions& options, const std::wstring& member,
                            std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) {
  return RunExtractMem(Library(), owner, Line(L"", archive, options, L"", {member}, false), buffer,
                       size, written);
}
