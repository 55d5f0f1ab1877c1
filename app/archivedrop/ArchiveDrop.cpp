#include "app/archivedrop/ArchiveDrop.h"

#include "base/errors/Errors.h"

namespace {

std::wstring::size_type NameStart(const std::wstring& path) {
  const auto slash = path.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? 0 : slash + 1;
}

}  // namespace

std::wstring ExtractDestination(const std::wstring& meltDir, const std::wstring& archivePath) {
  std::wstring name = archivePath.substr(NameStart(archivePath));
  if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos) name.erase(dot);
  return meltDir + L"\\" + name + L"\\";
}

std::wstring PackFileName(const std::wstring& name, TPackType type) {
  switch (type) {
    case TPackType::Zip:
      return name + L".ZIP";
    case TPackType::Cab:
      return name + L".CAB";
    case TPackType::Lzh:
      break;
  }
  return name + L".LZH";
}

void CheckPackName(const std::wstring& name) {
  if (name.empty()) throw EZelkError(L"圧縮ファイル名を入力してください。");
  const bool badCharacter = name.find_first_of(L"\\/:*?\"<>|") != std::wstring::npos;
  const bool badEnd = name.back() == L' ' || name.back() == L'.';
  if (badCharacter || badEnd) {
    throw EZelkError(L"圧縮ファイル名に \\ / : * ? \" < > | や末尾の空白・ピリオドは使えません。");
  }
}

TPackPlan PlanPack(const std::vector<std::wstring>& paths, bool fromRoot, IFileSearch& search) {
  TPackPlan plan;
  for (const std::wstring& path : paths) {
    std::wstring entry = fromRoot ? path : path.substr(NameStart(path));
    if (search.IsFolder(path)) entry += L"\\*.*";
    plan.Entries.push_back(entry);
  }
  if (!paths.empty()) plan.BaseFolder = paths.back().substr(0, NameStart(paths.back()));
  return plan;
}

void PrepareArchive(TArchiveFile& archive, const std::wstring& fileName) {
  archive.SetFileName(fileName);
  archive.Options().x = 1;
  archive.Options().jso = 1;
  archive.SetOutputSize(8192);
}

void ExtractDroppedArchive(TArchiveFile& archive, TWindowHandle owner, const std::wstring& meltDir,
                           const std::vector<std::wstring>& paths) {
  if (paths.empty()) return;
  PrepareArchive(archive, paths.front());
  archive.Extract(owner, nullptr, ExtractDestination(meltDir, paths.front()), TFileList{});
}

void PackDroppedFiles(TArchiveFile& archive, TWindowHandle owner, const std::wstring& freezeDir,
                      const std::wstring& fileName, bool fromRoot,
                      const std::vector<std::wstring>& paths, IFileSearch& search) {
  if (paths.empty()) return;
  const TPackPlan plan = PlanPack(paths, fromRoot, search);
  PrepareArchive(archive, freezeDir + L"\\" + fileName);
  archive.Pack(owner, nullptr, plan.BaseFolder, TFileList{plan.Entries});
}
