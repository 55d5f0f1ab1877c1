#include "tests/archive/StandIns_win.h"

#include <windows.h>

#include <sstream>
#include <stdexcept>

namespace {
std::wstring StandInFolder() {
  wchar_t program[MAX_PATH];
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  const std::wstring path = program;
  return path.substr(0, path.find_last_of(L'\\')) + L"\\standins\\";
}
}  // namespace

TStandInLibraries::TStandInLibraries(const std::vector<std::wstring>& standIns) {
  for (const std::wstring& standIn : standIns) {
    const std::wstring target = folder_.File(standIn.substr(standIn.find_last_of(L'\\') + 1));
    if (!CopyFileW((StandInFolder() + standIn).c_str(), target.c_str(), FALSE)) {
      throw std::runtime_error("stand-in library missing");
    }
  }
  SetDllDirectoryW(folder_.Path().c_str());
}

TStandInLibraries::~TStandInLibraries() {
  libraries.FreeAll();
  SetDllDirectoryW(nullptr);
}

void TStandInLibraries::Answer(const std::wstring& library, const std::wstring& key, int value) {
  WritePrivateProfileStringW(library.c_str(), key.c_str(), std::to_wstring(value).c_str(),
                             folder_.File(L"standin.ini").c_str());
}

std::vector<TStandInCall> TStandInLibraries::Calls() const {
  const std::vector<std::uint8_t> bytes = ReadBytes(folder_.File(L"calls.log"));
  std::istringstream log(std::string(bytes.begin(), bytes.end()));
  std::vector<TStandInCall> calls;
  std::string line;
  while (std::getline(log, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream fields(line);
    TStandInCall call;
    std::string number;
    std::getline(fields, call.Library, '\t');
    std::getline(fields, call.Entry, '\t');
    std::getline(fields, call.Text, '\t');
    std::getline(fields, number, '\t');
    call.Number = std::stoll(number);
    calls.push_back(call);
  }
  return calls;
}

std::vector<std::string> TStandInLibraries::Commands() const {
  std::vector<std::string> lines;
  for (const TStandInCall& call : Calls()) {
    if (call.Entry == "Command") lines.push_back(call.Text);
  }
  return lines;
}

std::string Ansi(const std::wstring& text) { return *TAnsiCodec().Encode(text); }
