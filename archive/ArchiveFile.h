#pragma once
// The archive component: an archive path, the format chosen for it, a switch
// set and the library's message buffer, with Extract and Pack. Pack builds
// the list of files itself unless the options leave that to the library.

#include <functional>
#include <memory>
#include <string>

#include "archive/Archiver.h"
#include "archive/FileSearch.h"
#include "archive/ProgressWindow.h"

class TArchiveFile;

// lpEis points at the library's progress record (LPEXTRACTINGINFOEX).
using TArchiverProgressEvent =
    std::function<void(TArchiveFile& sender, int state, void* lpEis, bool& abort)>;

// What Pack returns when the progress handler aborted while choosing files.
inline constexpr int kPackAborted = 32800;
// The State reported for each file the pack filter takes.
inline constexpr int kPackFilterState = 2053;

class TArchiveFile {
 public:
  TArchiveFile(TArchiverLibraries& libraries, IFileSearch& search,
               TProgressWindowFactory progressWindows = {});
  ~TArchiveFile();
  TArchiveFile(const TArchiveFile&) = delete;
  TArchiveFile& operator=(const TArchiveFile&) = delete;

  // Chooses the format by the name (".exe" by content), then keeps the name.
  void SetFileName(const std::wstring& fileName);
  [[nodiscard]] const std::wstring& FileName() const { return fileName_; }
  // A format type makes a new format object (loading its library); atNone
  // changes nothing; atAutoDetect keeps the format object; atGCA and atBel
  // have no format and raise EArchiver.
  void SetArchiverType(TArchiverType type);
  [[nodiscard]] TArchiverType ArchiverType() const { return type_; }
  void SetOutputSize(std::size_t size);
  [[nodiscard]] std::size_t OutputSize() const { return output_.size(); }
  [[nodiscard]] TArchiverOptions& Options() { return options_; }

  // Without options the component's own are used. The results are the
  // library's return codes; Pack returns kPackAborted when the progress
  // handler aborted the choice of files.
  int Extract(TWindowHandle owner, const TArchiverOptions* options, const std::wstring& destination,
              const TFileList& files);
  int Pack(TWindowHandle owner, const TArchiverOptions* options, const std::wstring& baseFolder,
           const TFileList& files);

  [[nodiscard]] const std::wstring& LastCommandLine() const { return lastCommandLine_; }
  // The library's messages, up to the first zero.
  [[nodiscard]] std::wstring OutputText() const;
  [[nodiscard]] const std::string& OutputBytes() const { return output_; }
  [[nodiscard]] TArchiver* Archiver() const { return archiver_.get(); }

  TArchiverProgressEvent OnProgress;

 private:
  TArchiver& RequireArchiver() const;
  int InnerPack(TWindowHandle owner, const TArchiverOptions& options,
                const std::wstring& baseFolder, const TFileList& files);
  bool ReportPackedFile(const std::wstring& name);
  void BeginProgress();
  void EndProgress();
  // Copies the format's last command line and ends progress on leaving.
  class TOperation;

  TArchiverLibraries& libraries_;
  IFileSearch& search_;
  TProgressWindowFactory progressWindows_;
  TArchiverType type_ = atAutoDetect;
  std::unique_ptr<TArchiver> archiver_;
  TArchiverOptions options_;
  std::wstring fileName_;
  std::wstring lastCommandLine_;
  std::string output_;
  std::unique_ptr<IProgressWindow> progressWindow_;
};
