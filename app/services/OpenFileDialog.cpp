#include "app/services/OpenFileDialog.h"

#include <algorithm>

#include "base/text/Paths.h"

std::vector<std::wstring> ChosenFiles(std::wstring_view answer) {
  std::vector<std::wstring> parts;
  while (!answer.empty() && answer.front() != L'\0') {
    const std::size_t end = std::min(answer.find(L'\0'), answer.size());
    parts.emplace_back(answer.substr(0, end));
    answer.remove_prefix(std::min(end + 1, answer.size()));
  }
  if (parts.size() <= 1) return parts;
  std::vector<std::wstring> files;
  for (std::size_t i = 1; i < parts.size(); ++i) files.push_back(JoinPath(parts[0], parts[i]));
  return files;
}
