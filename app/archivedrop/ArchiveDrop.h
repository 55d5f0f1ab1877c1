#pragma once
// What the two drop targets of the top bar hand to the archive component:
// the extraction folder of a dropped archive, and the archive name, base
// folder and entries of dropped files.

#include <string>
#include <vector>

#include "archive/ArchiveFile.h"
#include "archive/FileSearch.h"

// The archive types of the compress dialog, in the order of its radio group.
enum class TPackType { Lzh, Zip, Cab };

// The folder an archive is extracted into: meltDir + "\" + the file name
// without its last extension + "\". meltDir is used exactly as held.
[[nodiscard]] std::wstring ExtractDestination(const std::wstring& meltDir,
                                              const std::wstring& archivePath);

// The name typed in the compress dialog with the extension of the type.
[[nodiscard]] std::wstring PackFileName(const std::wstring& name, TPackType type);

// Raises EZelkError with the reason when the typed name is no file name.
void CheckPackName(const std::wstring& name);

struct TPackPlan {
  std::wstring BaseFolder;  // the folder of the last dropped path, with "\"
  std::vector<std::wstring> Entries;
};

// The entries in drop order: full paths from the root, else file names;
// a folder's entry ends in "\*.*" so that its files are packed.
[[nodiscard]] TPackPlan PlanPack(const std::vector<std::wstring>& paths, bool fromRoot,
                                 IFileSearch& search);

// Sets the name and the options both drop targets use.
void PrepareArchive(TArchiveFile& archive, const std::wstring& fileName);

// Extracts the first dropped archive; the others are ignored.
void ExtractDroppedArchive(TArchiveFile& archive, TWindowHandle owner, const std::wstring& meltDir,
                           const std::vector<std::wstring>& paths);

// Packs the dropped paths into freezeDir + "\" + fileName.
void PackDroppedFiles(TArchiveFile& archive, TWindowHandle owner, const std::wstring& freezeDir,
                      const std::wstring& fileName, bool fromRoot,
                      const std::vector<std::wstring>& paths, IFileSearch& search);
