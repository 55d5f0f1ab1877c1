#pragma once
// The component's own choice of the files to pack: wildcards, recursion,
// date bounds, attributes and exclusions are resolved here, the same way
// whatever library packs the list.

#include <functional>
#include <string>
#include <vector>

#include "archive/ArchiverOptions.h"
#include "archive/FileList.h"
#include "archive/FileSearch.h"

struct TPackList {
  // Sorted case-insensitively, without duplicates.
  std::vector<std::wstring> Names;
  bool Aborted = false;
};

// Told of every name added to the list; returns true to abort.
using TPackProgress = std::function<bool(const std::wstring& name)>;

// Builds the list of files to pack from the entries, relative to the base
// folder, which is the current folder while the list is built. Afterwards
// the options are those to hand to the library: no recursion, no date
// bounds, and names taken as given (r = -1, jo and job empty, p = 1).
[[nodiscard]] TPackList BuildPackList(const std::wstring& baseFolder, const TFileList& files,
                                      TArchiverOptions& options, IFileSearch& search,
                                      const TPackProgress& progress);

// The name relative to the base folder when both are absolute paths on the
// same drive ("C:\Work\" and "C:\Work\Docs\a.txt" give "Docs\a.txt");
// otherwise the name unchanged.
[[nodiscard]] std::wstring RelativeName(const std::wstring& baseFolder, const std::wstring& name);
