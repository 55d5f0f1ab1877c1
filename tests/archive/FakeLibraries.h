#pragma once
// Archiver libraries in memory for the native tests: modules of entry
// functions with the real entry names and signatures, which record every
// call and answer as each test sets them up.

#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "archive/ModuleLoader.h"

// The libraries, by the tag their entry functions are made for.
enum TFakeLibrary {
  kUnlha32,
  kUnzip32,
  kZip32J,
  kLmZip32,
  kCab32,
  kUnarj32J,
  kTar32,
  kUnrar32,
  kBga32,
  kYyz32,
  kYz1,
  kSevenZip32,
  kFakeLibraryCount,
};

struct TFakeCall {
  TFakeLibrary Library;
  std::string Entry;  // the entry as looked up, "Unlha", "UnzipFindFirst", ...
  std::string Text;   // command line or path
  int Number = 0;     // mode or buffer size
  bool NullBuffer = false;
  bool operator==(const TFakeCall&) const = default;
};

// How one library answers.
struct TFakeAnswers {
  int CommandResult = 0;
  std::string Output;  // written into the message buffer
  bool Opens = false;
  int Check = 0;
  int ArchiveType = 0;
  std::vector<int> FindFirstResults;  // one per call; 0 once used up
  std::uint16_t DosDate = 0, DosTime = 0;
  std::uint32_t OriginalSize = 0, CompressedSize = 0;
  std::uint64_t WriteTime = 0;  // answered by the time entries when present
  std::int64_t OriginalSize64 = 0;
  int PasswordAnswer = -1;
};

struct TFakeWorld {
  std::vector<TFakeCall> Calls;
  std::array<TFakeAnswers, kFakeLibraryCount> Answers;
  std::array<void*, kFakeLibraryCount> OwnerWindows{};
};
TFakeWorld& Fake();

// The entries a fake module exports.
enum class TFakeExports { All, WithoutTimesAndSizes, WithoutFindFirst };

class TFakeModuleLoader : public IModuleLoader {
 public:
  // Makes the library available under its real file name.
  void Install(TFakeLibrary library, TFakeExports exports = TFakeExports::All);
  void InstallAll();
  void Uninstall(const std::wstring& fileName) { modules_.erase(fileName); }

  TModule Load(const std::wstring& fileName) override;
  TEntryAddress Entry(TModule module, const std::string& name) override;
  std::wstring FileName(TModule module) override;
  void Free(TModule module) override;

  std::vector<std::wstring> Loads;
  std::vector<std::wstring> Frees;
  std::vector<std::string> LookUps;  // "FILE.DLL:Entry"

 private:
  struct TModuleEntries {
    std::wstring FileName;
    std::map<std::string, TEntryAddress> Entries;
  };
  std::map<std::wstring, TModuleEntries> modules_;
};
