#pragma once
// The abstract archive format: every format builds command lines for its
// library and sends them. Operations a format lacks raise EArchiver.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "archive/ArchiverLibraries.h"
#include "archive/ArchiverOptions.h"
#include "archive/ArchiverTypes.h"
#include "archive/CmdOpt.h"
#include "archive/EntryRecord.h"
#include "archive/FileList.h"
#include "archive/LibraryText.h"

// One command on an archive: what every operation of the formats takes.
struct TArchiveJob {
  TWindowHandle Owner;  // not owned
  std::wstring Archive;
  const TArchiverOptions& Options;
  // The destination, the base folder or the output folder of the operation.
  std::wstring Folder;
  TFileList Files;
  bool UseResponseFile;
  // The library's message buffer: its size is the buffer's size.
  std::string& Output;
};

// The job without its folder (commands that take none).
[[nodiscard]] TArchiveJob WithoutFolder(const TArchiveJob& job);
// The job without files (commands on the archive as a whole).
[[nodiscard]] TArchiveJob WithoutFiles(const TArchiveJob& job);

class TArchiver {
 public:
  explicit TArchiver(TArchiverLibraries& libraries) : libraries_(libraries) {}
  virtual ~TArchiver() = default;
  TArchiver(const TArchiver&) = delete;
  TArchiver& operator=(const TArchiver&) = delete;

  // Load and free the wrapper shared by every object of the format.
  virtual void LoadDLL();
  virtual void FreeDLL();
  virtual TArchiveHandle OpenArchive(TWindowHandle owner, const std::wstring& path,
                                     std::uint32_t mode);
  virtual int FindFirst(TArchiveHandle archive, const std::wstring& wildName,
                        TArchiveEntryRecord& record);
  virtual int FindNext(TArchiveHandle archive, TArchiveEntryRecord& record);
  virtual int CloseArchive(TArchiveHandle archive);
  // The results are the library's return codes (0 = success).
  virtual int Extract(const TArchiveJob& job) = 0;
  virtual int Pack(const TArchiveJob& job);
  virtual int Delete(const TArchiveJob& job);
  virtual int Update(const TArchiveJob& job);
  // Files and response file do not apply.
  virtual int MakeSfx(const TArchiveJob& job);
  virtual int ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                              const TArchiverOptions& options, const std::wstring& member,
                              std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written);
  virtual bool CheckArchive(const std::wstring& path, int mode, int extraMode);
  virtual bool SetOwnerWindow(TWindowHandle owner, void* callback);
  virtual bool KillOwnerWindow(TWindowHandle owner);
  void RequireDLL() { LoadDLL(); }

  [[nodiscard]] TWindowHandle OwnerWindow() const { return ownerWindow_; }
  // The command line the last operation built, kept even when sending failed.
  [[nodiscard]] const std::wstring& LastCommandLine() const { return lastCommandLine_; }

 protected:
  // The archive quoted, then the folder with its trailing backslash.
  static void AddArchiveAndFolder(TCmdOpt& line, const std::wstring& archive,
                                  const std::wstring& folder);
  // The names, or a response file of them when asked and one is named; then
  // UserFileList. Returns the number of names.
  int AddFileList(TCmdOpt& line, const TArchiverOptions& options, bool useResponseFile,
                  const TFileList& files);
  // Keeps the line as the last command line, then sends its library text.
  template <typename Send>
  int Run(const std::wstring& commandLine, Send send) {
    lastCommandLine_ = commandLine;
    return send(LibraryText(libraries_.Codec(), commandLine));
  }
  // word + the switches already in the line + archive and folder + files.
  std::wstring CommandLine(const std::wstring& word, TCmdOpt& line, const TArchiveJob& job);
  static void AddUserOptions(TCmdOpt& line, const TArchiverOptions& options);
  int RunCommand(TCustomArchiverDll& library, const TArchiveJob& job,
                 const std::wstring& commandLine);
  // The memory extraction of the formats that have one: the line the
  // format builds for a job without word and folder, the member its one file.
  int ExtractMember(TCustomArchiverDll& library, TWindowHandle owner, const std::wstring& archive,
                    const TArchiverOptions& options, const std::wstring& member,
                    std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written,
                    const std::function<std::wstring(const TArchiveJob& job)>& line);
  [[nodiscard]] std::string Text(const std::wstring& text) const;
  void SetOwner(TWindowHandle owner) { ownerWindow_ = owner; }

  TArchiverLibraries& libraries_;

 private:
  TWindowHandle ownerWindow_ = nullptr;
  std::wstring lastCommandLine_;
};

// A format with one library wrapper that it forwards listing, checking and
// the owner window to.
class TDllArchiver : public TArchiver {
 public:
  TDllArchiver(TArchiverLibraries& libraries, TLibrary library)
      : TArchiver(libraries), library_(library) {}

  void LoadDLL() override { libraries_.Load(library_); }
  void FreeDLL() override { libraries_.Free(library_); }
  // Passes the archive path expanded to a full path.
  TArchiveHandle OpenArchive(TWindowHandle owner, const std::wstring& path,
                             std::uint32_t mode) override;
  int FindFirst(TArchiveHandle archive, const std::wstring& wildName,
                TArchiveEntryRecord& record) override;
  int FindNext(TArchiveHandle archive, TArchiveEntryRecord& record) override;
  int CloseArchive(TArchiveHandle archive) override;
  // The library's check with the two modes added.
  bool CheckArchive(const std::wstring& path, int mode, int extraMode) override;
  bool SetOwnerWindow(TWindowHandle owner, void* callback) override;
  bool KillOwnerWindow(TWindowHandle owner) override;

 protected:
  TCustomArchiverDll& Library() { return libraries_.Load(library_); }

 private:
  TLibrary library_;
};

// Self-extracting archives made by writing a stub before the archive.
// The archive path with the new extension, in the output folder when given.
[[nodiscard]] std::wstring SfxOutputPath(const std::wstring& archive,
                                         const std::wstring& outputFolder,
                                         const std::wstring& extension);
// Writes stub + archive to the output, with the archive's size as a 32-bit
// big-endian number after it when asked.
void WriteSfx(IArchiverSystem& system, const std::wstring& stubPath, const std::wstring& archive,
              const std::wstring& outputPath, bool withSizeTrailer = false);
