#pragma once
// A folder of stand-in archiver libraries for one Win32 test: the chosen
// stand-ins are copied there and found by the system loader through it;
// their answers are written to standin.ini and their calls read back from
// calls.log.

#include <string>
#include <vector>

#include "base/text/AnsiCodec_win.h"
#include "archive/ArchiverLibraries.h"
#include "archive/ArchiverSystem_win.h"
#include "archive/ModuleLoader_win.h"
#include "tests/support/TempFolder_win.h"

struct TStandInCall {
  std::string Library;  // file name without extension
  std::string Entry;
  std::string Text;
  long long Number = 0;
};

class TStandInLibraries {
 public:
  // Files like "all\\UNLHA32.DLL", from the stand-ins built beside the tests.
  explicit TStandInLibraries(const std::vector<std::wstring>& standIns);
  ~TStandInLibraries();
  TStandInLibraries(const TStandInLibraries&) = delete;
  TStandInLibraries& operator=(const TStandInLibraries&) = delete;

  // Sets an answer of one library ("UNLHA32", "Check", 1).
  void Answer(const std::wstring& library, const std::wstring& key, int value);
  [[nodiscard]] std::vector<TStandInCall> Calls() const;
  // The command lines received, in order.
  [[nodiscard]] std::vector<std::string> Commands() const;
  [[nodiscard]] const std::wstring& Folder() const { return folder_.Path(); }

  TWin32ModuleLoader loader;
  TAnsiCodec codec;
  TWin32ArchiverSystem system;
  TArchiverLibraries libraries{loader, codec, system};

 private:
  TTempFolder folder_;
};

// Bytes in the ANSI code page, as a library receives them.
[[nodiscard]] std::string Ansi(const std::wstring& text);
