#pragma once
// Which format an archive is: by its extension, or for self-extracting
// ".exe" files by asking the libraries; and the format object of a type.

#include <memory>
#include <string>

#include "archive/Archiver.h"
#include "archive/ArchiverTypes.h"

// By the last extension of the name (case-insensitive); ".exe" is looked at
// by content, as is every name when byExtension is false. atNone when no
// format fits.
[[nodiscard]] TArchiverType ArchiverTypeByName(const std::wstring& path, bool byExtension,
                                               TArchiverLibraries& libraries);

// Asks the libraries in a fixed order; the last one that accepts the file
// wins. A probe that fails in any way, a missing library included, counts
// as "not this format".
[[nodiscard]] TArchiverType ArchiverTypeByContent(const std::wstring& path,
                                                  TArchiverLibraries& libraries);

// A new format object of the type, which loads its library (and raises when
// it cannot); null for the types without a format class.
[[nodiscard]] std::unique_ptr<TArchiver> MakeArchiver(TArchiverType type,
                                                      TArchiverLibraries& libraries);
