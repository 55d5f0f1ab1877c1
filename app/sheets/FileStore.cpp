#include "app/sheets/FileStore.h"

std::wstring FreeBackupPath(const IFileStore& store, const std::wstring& path) {
  std::wstring candidate = path + L".damaged";
  for (int n = 2; store.Exists(candidate); ++n) candidate = path + L".damaged" + std::to_wstring(n);
  return candidate;
}
