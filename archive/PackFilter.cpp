#include "archive/PackFilter.h"

#include <optional>
#include <set>

#include "archive/PackDates.h"
#include "base/errors/Errors.h"

namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;

wchar_t Folded(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

bool SameText(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Folded(a[i]) != Folded(b[i])) return false;
  }
  return true;
}

struct TCaseLess {
  bool operator()(const std::wstring& a, const std::wstring& b) const {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
      const wchar_t x = Folded(a[i]), y = Folded(b[i]);
      if (x != y) return x < y;
    }
    return a.size() < b.size();
  }
};
using TNameSet = std::set<std::wstring, TCaseLess>;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/' || c == L':'; }

std::wstring Join(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty()) return name;
  return IsSeparator(folder.back()) ? folder + name : folder + L"\\" + name;
}

bool HasWildcard(const std::wstring& mask) {
  return mask.find_first_of(L"*?") != std::wstring::npos;
}

bool TakesEveryName(const std::wstring& mask) { return mask == L"*.*" || mask == L"*"; }

bool IsDotEntry(const std::wstring& name) { return name == L"." || name == L".."; }

// What a search with this attribute mask returns: plain files always, and
// hidden, system or folder entries only when the mask names them.
bool MatchesMask(std::uint32_t attributes, std::uint32_t mask) {
  const std::uint32_t excluded = ~mask & (faHidden | faSysFile | faVolumeID | faDirectory);
  return (attributes & excluded) == 0;
}

// Restores the current folders when the list is built, whatever happens.
class TCurrentFolderGuard {
 public:
  TCurrentFolderGuard(IFileSearch& search, const std::wstring& baseFolder) : search_(search) {
    if (baseFolder.empty()) return;
    saved_ = search.CurrentFolder();
    if (baseFolder.size() >= 2 && baseFolder[1] == L':') {
      savedDrive_ = search.DriveFolder(baseFolder[0]);
    }
    search.SetCurrentFolder(baseFolder);
  }
  ~TCurrentFolderGuard() {
    try {
      if (savedDrive_) search_.SetCurrentFolder(*savedDrive_);
      if (saved_) search_.SetCurrentFolder(*saved_);
    } catch (const EInOutError&) {
      // A folder that vanished meanwhile cannot be restored; the list stands.
    }
  }
  TCurrentFolderGuard(const TCurrentFolderGuard&) = delete;
  TCurrentFolderGuard& operator=(const TCurrentFolderGuard&) = delete;

 private:
  IFileSearch& search_;
  std::optional<std::wstring> saved_, savedDrive_;
};

class TPackListBuilder {
 public:
  TPackListBuilder(const std::wstring& baseFolder, const TArchiverOptions& options,
                   IFileSearch& search, const TPackProgress& progress)
      : baseFolder_(baseFolder), options_(options), search_(search), progress_(progress) {
    const int year = search.CurrentYear();
    lower_ = DateBound(options.jo, L"000000", year);
    upper_ = DateBound(options.job, L"235959", year);
    fileMask_ =
        options.a > 0 ? faReadOnly | faArchive | faHidden | faSysFile : faReadOnly | faArchive;
  }

  TPackList Build(const std::vector<std::wstring>& entries) {
    TNameSet exclusions;
    Expand(options_.jx, exclusions, nullptr, false);
    TNameSet names;
    if (entries.empty()) {
      Search(L"", L"*.*", names, &exclusions, true);
    } else {
      Expand(entries, names, &exclusions, true);
    }
    return {{names.begin(), names.end()}, aborted_};
  }

 private:
  void Expand(const std::vector<std::wstring>& entries, TNameSet& into, const TNameSet* exclusions,
              bool report) {
    for (const std::wstring& entry : entries) {
      if (aborted_) return;
      if (options_.r > 1 && search_.IsFolder(entry)) {
        Search(entry, L"*.*", into, exclusions, report);
        continue;
      }
      std::size_t split = entry.size();
      while (split > 0 && !IsSeparator(entry[split - 1])) --split;
      Search(entry.substr(0, split), entry.substr(split), into, exclusions, report);
    }
  }

  void Search(const std::wstring& folder, const std::wstring& mask, TNameSet& into,
              const TNameSet* exclusions, bool report) {
    const std::vector<TFoundFile> listing = search_.Find(Join(folder, mask));
    for (const TFoundFile& found : listing) {
      if (IsDotEntry(found.Name)) continue;
      if (aborted_) return;
      if (!MatchesMask(found.Attributes, fileMask_) || !WithinDates(found.LocalWriteTime)) continue;
      Add(FormName(folder, found), into, exclusions, report);
    }
    if (options_.r < 1 || (!HasWildcard(mask) && options_.p > 0)) return;
    // A mask that takes every name has listed the subfolders already: the
    // folder is read once.
    std::vector<TFoundFile> folders;
    if (!TakesEveryName(mask)) folders = search_.Find(Join(folder, L"*.*"));
    for (const TFoundFile& found : TakesEveryName(mask) ? listing : folders) {
      if (aborted_) return;
      if (IsDotEntry(found.Name) || !(found.Attributes & faDirectory) ||
          !MatchesMask(found.Attributes, faHidden | faSysFile | faDirectory)) {
        continue;
      }
      Search(Join(folder, found.Name), mask, into, exclusions, report);
    }
  }

  [[nodiscard]] bool WithinDates(std::int64_t localWriteTime) const {
    const std::int64_t seconds = localWriteTime / kTicksPerSecond;
    return (!lower_ || seconds >= *lower_) && (!upper_ || seconds <= *upper_);
  }

  [[nodiscard]] std::wstring FormName(const std::wstring& folder, const TFoundFile& found) const {
    const bool shortName = options_.ji > 0 && !found.ShortName.empty();
    const std::wstring name = Join(folder, shortName ? found.ShortName : found.Name);
    return !baseFolder_.empty() && options_.jf == -2 ? RelativeName(baseFolder_, name) : name;
  }

  void Add(const std::wstring& name, TNameSet& into, const TNameSet* exclusions, bool report) {
    if (exclusions && exclusions->contains(name)) return;
    if (into.insert(name).second && report && progress_) aborted_ = progress_(name);
  }

  const std::wstring& baseFolder_;
  const TArchiverOptions& options_;
  IFileSearch& search_;
  const TPackProgress& progress_;
  std::optional<std::int64_t> lower_, upper_;
  std::uint32_t fileMask_;
  bool aborted_ = false;
};

bool IsAbsolute(const std::wstring& path) {
  return path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
}

std::vector<std::wstring> Components(const std::wstring& path) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = path.find(L'\\', start);
    const std::size_t stop = end == std::wstring::npos ? path.size() : end;
    if (stop > start) parts.push_back(path.substr(start, stop - start));
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::wstring RelativeName(const std::wstring& baseFolder, const std::wstring& name) {
  if (!IsAbsolute(baseFolder) || !IsAbsolute(name) || Folded(baseFolder[0]) != Folded(name[0])) {
    return name;
  }
  const std::vector<std::wstring> base = Components(baseFolder), target = Components(name);
  std::size_t common = 0;
  while (common < base.size() && common + 1 < target.size() &&
         SameText(base[common], target[common])) {
    ++common;
  }
  std::wstring relative;
  for (std::size_t i = common; i < base.size(); ++i) relative += L"..\\";
  for (std::size_t i = common; i < target.size(); ++i) {
    relative += target[i];
    if (i + 1 < target.size()) relative += L'\\';
  }
  return relative;
}

TPackList BuildPackList(const std::wstring& baseFolder, const TFileList& files,
                        TArchiverOptions& options, IFileSearch& search,
                        const TPackProgress& progress) {
  TPackList list;
  {
    TPackListBuilder builder(baseFolder, options, search, progress);
    TCurrentFolderGuard folders(search, baseFolder);
    list = builder.Build(files.Flatten());
  }
  options.r = -1;
  options.jo.clear();
  options.job.clear();
  options.p = 1;
  return list;
}
