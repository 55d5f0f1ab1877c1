// The pack filter on a real tree of this machine, through a POSIX file
// search that reads "\" as "/".

#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include "bench/archive_bench.h"

namespace {

namespace fs = std::filesystem;

std::string Posix(const std::wstring& path) {
  std::string text;
  for (const wchar_t c : path) text += c == L'\\' ? '/' : static_cast<char>(c);
  return text;
}

std::wstring Wide(const std::string& text) { return {text.begin(), text.end()}; }

// Local time as the system's file search gives it, with the zone's present
// offset (a file search per file would measure localtime_r, not the filter).
class TPosixFileSearch : public IFileSearch {
 public:
  TPosixFileSearch() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    localOffset_ = local.tm_gmtoff;
  }
  std::vector<TFoundFile> Find(const std::wstring& pattern) override {
    const std::string path = Posix(pattern);
    const std::size_t split = path.find_last_of('/');
    const std::string folder = split == std::string::npos ? "." : path.substr(0, split);
    std::string mask = path.substr(split == std::string::npos ? 0 : split + 1);
    if (mask == "*.*") mask = "*";
    std::vector<TFoundFile> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
      const std::string name = entry.path().filename().string();
      if (fnmatch(mask.c_str(), name.c_str(), 0) != 0) continue;
      struct stat status {};
      if (stat(entry.path().c_str(), &status) != 0) continue;
      const std::int64_t seconds = status.st_mtime + localOffset_ + kSeconds1601To1970;
      found.push_back(
          {Wide(name), L"", S_ISDIR(status.st_mode) ? faDirectory : faArchive, seconds * 10000000});
    }
    return found;
  }
  bool IsFolder(const std::wstring& path) override { return fs::is_directory(Posix(path)); }
  std::wstring CurrentFolder() override { return Wide(fs::current_path().string()); }
  std::wstring DriveFolder(wchar_t) override { return CurrentFolder(); }
  void SetCurrentFolder(const std::wstring& path) override { fs::current_path(Posix(path)); }
  int CurrentYear() override { return 2026; }

 private:
  static constexpr std::int64_t kSeconds1601To1970 = 11644473600;
  std::int64_t localOffset_ = 0;
};

}  // namespace

int main() {
  char pattern[] = "/tmp/zelk_pack_bench_XXXXXX";
  const std::string root = mkdtemp(pattern);
  MakeBenchTree(
      Wide(root), [](const std::wstring& folder) { fs::create_directory(Posix(folder)); },
      [](const std::wstring& file) { std::ofstream(Posix(file)) << 'x'; });
  TPosixFileSearch search;
  RunPackFilterBench("native", Wide(root), search, [&] {
    std::size_t files = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
      files += entry.is_regular_file();
    }
    return files;
  });
  fs::remove_all(root);
}
