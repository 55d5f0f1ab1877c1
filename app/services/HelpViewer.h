#pragma once
// The help viewer: the table of contents of the help file, and closing
// every help window at exit.

#include <string>

class IHelpViewer {
 public:
  virtual ~IHelpViewer() = default;
  virtual void ShowContents(const std::wstring& helpFile) = 0;
  virtual void CloseAll() = 0;
};
