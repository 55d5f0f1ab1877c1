#include "archive/Archiver.h"

#include <vector>

#include "base/text/Paths.h"
#include "archive/ArchiverErrors.h"

TArchiveJob WithoutFolder(const TArchiveJob& job) {
  TArchiveJob changed = job;
  changed.Folder.clear();
  return changed;
}

TArchiveJob WithoutFiles(const TArchiveJob& job) {
  TArchiveJob changed = job;
  changed.Files = {};
  changed.UseResponseFile = false;
  return changed;
}

void TArchiver::LoadDLL() { throw EArchiver(L"Abstract method 'TArchiver.LoadDLL' was called"); }

void TArchiver::FreeDLL() { throw EArchiver(L"Abstract method 'TArchiver.FreeDLL' was called"); }

TArchiveHandle TArchiver::OpenArchive(TWindowHandle, const std::wstring&, std::uint32_t) {
  return nullptr;
}

int TArchiver::FindFirst(TArchiveHandle, const std::wstring&, TArchiveEntryRecord&) { return -1; }

int TArchiver::FindNext(TArchiveHandle, TArchiveEntryRecord&) { return -1; }

int TArchiver::CloseArchive(TArchiveHandle) { return 0; }

int TArchiver::Pack(const TArchiveJob&) {
  throw EArchiver(L"この形式では書庫ファイルの作成をサポートしておりません。");
}

int TArchiver::Delete(const TArchiveJob&) {
  throw EArchiver(L"この形式の書庫ではファイルの削除をサポートしておりません。");
}

int TArchiver::Update(const TArchiveJob&) {
  throw EArchiver(L"この形式の書庫では書庫の更新をサポートしておりません。");
}

int TArchiver::MakeSfx(const TArchiveJob&) {
  throw EArchiver(L"この形式では自己解凍書庫の作成をサポートしておりません。");
}

int TArchiver::ExtractToMemory(TWindowHandle, const std::wstring&, const TArchiverOptions&,
                               const std::wstring&, std::uint8_t*, std::uint32_t, std::uint32_t&) {
  throw EArchiver(L"この形式ではメモリへの展開をサポートしておりません。");
}

bool TArchiver::CheckArchive(const std::wstring&, int, int) {
  throw EArchiver(L"この形式では書庫チェック機能をサポートしておりません。");
}

bool TArchiver::SetOwnerWindow(TWindowHandle owner, void*) {
  ownerWindow_ = owner;
  return false;
}

bool TArchiver::KillOwnerWindow(TWindowHandle) {
  ownerWindow_ = nullptr;
  return false;
}

void TArchiver::AddArchiveAndFolder(TCmdOpt& line, const std::wstring& archive,
                                    const std::wstring& folder) {
  line.AddQuoted(L"", archive);
  line.AddDir(L"", folder);
}

int TArchiver::AddFileList(TCmdOpt& line, const TArchiverOptions& options, bool useResponseFile,
                           const TFileList& files) {
  const int count = useResponseFile && !options.ResFileName.empty()
                        ? line.AddResponseFile(files, options.ResFileName, libraries_.Codec(),
                                               libraries_.System())
                        : line.AddFiles(L"", files);
  if (!options.UserFileList.empty()) line.Add(options.UserFileList);
  return count;
}

std::wstring TArchiver::CommandLine(const std::wstring& word, TCmdOpt& line,
                                    const TArchiveJob& job) {
  AddArchiveAndFolder(line, job.Archive, job.Folder);
  AddFileList(line, job.Options, job.UseResponseFile, job.Files);
  return word + line.Text();
}

void TArchiver::AddUserOptions(TCmdOpt& line, const TArchiverOptions& options) {
  if (!options.UserOptions.empty()) line.Add(options.UserOptions);
}

std::string TArchiver::Text(const std::wstring& text) const {
  return LibraryText(libraries_.Codec(), text);
}

int TArchiver::RunCommand(TCustomArchiverDll& library, const TArchiveJob& job,
                          const std::wstring& commandLine) {
  return Run(commandLine, [&](const std::string& line) {
    return library.Command(job.Owner, line, job.Output.data(),
                           static_cast<std::uint32_t>(job.Output.size()));
  });
}

int TArchiver::ExtractMember(TCustomArchiverDll& library, TWindowHandle owner,
                             const std::wstring& archive, const TArchiverOptions& options,
                             const std::wstring& member, std::uint8_t* buffer, std::uint32_t size,
                             std::uint32_t& written,
                             const std::function<std::wstring(const TArchiveJob& job)>& line) {
  std::string noMessages;
  const TArchiveJob job{owner, archive, options, L"", {member}, false, noMessages};
  return Run(line(job), [&](const std::string& text) {
    return library.ExtractMem(owner, text, buffer, size, nullptr, nullptr, &written);
  });
}

TArchiveHandle TDllArchiver::OpenArchive(TWindowHandle owner, const std::wstring& path,
                                         std::uint32_t mode) {
  return Library().OpenArchive(owner, Text(libraries_.System().FullPath(path)), mode);
}

int TDllArchiver::FindFirst(TArchiveHandle archive, const std::wstring& wildName,
                            TArchiveEntryRecord& record) {
  return Library().FindFirst(archive, Text(wildName), record);
}

int TDllArchiver::FindNext(TArchiveHandle archive, TArchiveEntryRecord& record) {
  return Library().FindNext(archive, record);
}

int TDllArchiver::CloseArchive(TArchiveHandle archive) { return Library().CloseArchive(archive); }

bool TDllArchiver::CheckArchive(const std::wstring& path, int mode, int extraMode) {
  return Library().CheckArchive(Text(path), mode + extraMode) != 0;
}

bool TDllArchiver::SetOwnerWindow(TWindowHandle owner, void* callback) {
  SetOwner(owner);
  return Library().SetOwnerWindowEx(owner, callback) != 0;
}

bool TDllArchiver::KillOwnerWindow(TWindowHandle owner) {
  SetOwner(nullptr);
  return Library().KillOwnerWindowEx(owner) != 0;
}

std::wstring SfxOutputPath(const std::wstring& archive, const std::wstring& outputFolder,
                           const std::wstring& extension) {
  const std::wstring name = WithoutExtension(FileNameOf(archive)) + extension;
  return JoinPath(outputFolder.empty() ? FolderOf(archive) : outputFolder, name);
}

void WriteSfx(IArchiverSystem& system, const std::wstring& stubPath, const std::wstring& archive,
              const std::wstring& outputPath, bool withSizeTrailer) {
  std::vector<std::uint8_t> bytes = system.ReadBytes(stubPath);
  const std::vector<std::uint8_t> archiveBytes = system.ReadBytes(archive);
  bytes.insert(bytes.end(), archiveBytes.begin(), archiveBytes.end());
  if (withSizeTrailer) {
    const auto size = static_cast<std::uint32_t>(archiveBytes.size());
    for (int shift = 24; shift >= 0; shift -= 8)
      bytes.push_back(static_cast<std::uint8_t>(size >> shift));
  }
  system.WriteBytes(outputPath, bytes);
}
