#include "archive/ArchiveFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "archive/ArchiverErrors.h"
#include "archive/PackFilter.h"
#include "archive/Recognition.h"

namespace {
constexpr std::size_t kProgressRecordSize = 1074;
constexpr std::size_t kSourceNameOffset = 8;
constexpr std::size_t kSourceNameSize = 513;
}  // namespace

class TArchiveFile::TOperation {
 public:
  explicit TOperation(TArchiveFile& file) : file_(file) { file_.BeginProgress(); }
  ~TOperation() {
    file_.lastCommandLine_ = file_.archiver_->LastCommandLine();
    file_.EndProgress();
  }
  TOperation(const TOperation&) = delete;
  TOperation& operator=(const TOperation&) = delete;

 private:
  TArchiveFile& file_;
};

TArchiveFile::TArchiveFile(TArchiverLibraries& libraries, IFileSearch& search,
                           TProgressWindowFactory progressWindows)
    : libraries_(libraries), search_(search), progressWindows_(std::move(progressWindows)) {}

TArchiveFile::~TArchiveFile() = default;

void TArchiveFile::SetFileName(const std::wstring& fileName) {
  SetArchiverType(ArchiverTypeByName(fileName, true, libraries_));
  fileName_ = fileName;
}

void TArchiveFile::SetArchiverType(TArchiverType type) {
  switch (type) {
    case atNone:
      return;
    case atAutoDetect:
      break;
    case atGCA:
    case atBel:
      throw EArchiver(L"書庫の形式を特定できませんでした。");
    default:
      archiver_ = MakeArchiver(type, libraries_);
      break;
  }
  type_ = type;
}

void TArchiveFile::SetOutputSize(std::size_t size) {
  output_.resize(size);
  if (size > 0) output_[0] = '\0';
}

std::wstring TArchiveFile::OutputText() const { return LibraryOutput(libraries_.Codec(), output_); }

TArchiver& TArchiveFile::RequireArchiver() const {
  if (!archiver_) throw EArchiver(L"書庫の形式を判別できません。");
  return *archiver_;
}

int TArchiveFile::Extract(TWindowHandle owner, const TArchiverOptions* options,
                          const std::wstring& destination, const TFileList& files) {
  TArchiver& archiver = RequireArchiver();
  TOperation operation(*this);
  const TArchiverOptions& used = options ? *options : options_;
  return archiver.Extract(
      {owner, fileName_, used, destination, files, used.ResFileUsage.Holds(ruOnUnpack), output_});
}

int TArchiveFile::Pack(TWindowHandle owner, const TArchiverOptions* options,
                       const std::wstring& baseFolder, const TFileList& files) {
  if (type_ == atAutoDetect) SetArchiverType(ArchiverTypeByContent(fileName_, libraries_));
  TArchiver& archiver = RequireArchiver();
  const TArchiverOptions& used = options ? *options : options_;
  archiver.RequireDLL();
  int result = 0;
  if (used.PackFilter == pfArchiver) {
    result = InnerPack(owner, used, baseFolder, files);
  } else {
    TArchiverOptions working = used;
    TPackProgress progress;
    if (OnProgress) progress = [this](const std::wstring& name) { return ReportPackedFile(name); };
    const TPackList list = BuildPackList(baseFolder, files, working, search_, progress);
    if (list.Aborted) return kPackAborted;
    if (list.Names.empty()) {
      if (!output_.empty()) output_[0] = '\0';
      return 0;
    }
    working.jx.clear();
    result = InnerPack(owner, working, baseFolder, TFileList{list.Names});
  }
  lastCommandLine_ = archiver.LastCommandLine();
  return result;
}

int TArchiveFile::InnerPack(TWindowHandle owner, const TArchiverOptions& options,
                            const std::wstring& baseFolder, const TFileList& files) {
  TOperation operation(*this);
  return archiver_->Pack({owner, fileName_, options, baseFolder, files,
                          options.ResFileUsage.Holds(ruOnPack), output_});
}

bool TArchiveFile::ReportPackedFile(const std::wstring& name) {
  std::array<std::uint8_t, kProgressRecordSize> record{};
  const std::string source = LibraryText(libraries_.Codec(), name);
  // The field keeps a terminating zero.
  std::memcpy(record.data() + kSourceNameOffset, source.data(),
              std::min(source.size(), kSourceNameSize - 1));
  bool abort = false;
  OnProgress(*this, kPackFilterState, record.data(), abort);
  return abort;
}

void TArchiveFile::BeginProgress() {
  if (!OnProgress || !progressWindows_) return;
  try {
    if (!progressWindow_) {
      progressWindow_ = progressWindows_([this](int state, void* info) {
        bool abort = false;
        if (OnProgress) OnProgress(*this, state, info, abort);
        return abort;
      });
    }
    if (progressWindow_) archiver_->SetOwnerWindow(progressWindow_->Handle(), nullptr);
  } catch (const EZelkError&) {
    // Without progress the operation still runs.
  }
}

void TArchiveFile::EndProgress() {
  if (!OnProgress || !progressWindow_) return;
  try {
    archiver_->KillOwnerWindow(progressWindow_->Handle());
  } catch (const EZelkError&) {
    // The library keeps no owner window it could not be given.
  }
}
