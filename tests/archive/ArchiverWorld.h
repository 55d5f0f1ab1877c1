#pragma once
// Libraries, files and codec of one native test, with the recorded calls
// cleared.

#include <string>

#include "archive/ArchiverLibraries.h"
#include "tests/archive/FakeLibraries.h"
#include "tests/archive/FakeSystem.h"
#include "tests/support/Cp932Codec.h"

struct ArchiverWorld {
  ArchiverWorld() { Fake() = TFakeWorld{}; }

  // The command lines the libraries received, in order.
  [[nodiscard]] std::vector<std::string> Commands() const {
    std::vector<std::string> lines;
    for (const TFakeCall& call : Fake().Calls) {
      if (call.Entry == "Command") lines.push_back(call.Text);
    }
    return lines;
  }

  TFakeModuleLoader loader;
  Cp932Codec codec;
  TFakeArchiverSystem system;
  TArchiverLibraries libraries{loader, codec, system};
};

inline std::string Narrow(const std::wstring& text) { return {text.begin(), text.end()}; }
