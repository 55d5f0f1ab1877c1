#pragma once
// The ZIP wrapper over three alternative libraries: UNZIP32.DLL (extracting),
// ZIP32J.DLL (creating) and LMZIP32.DLL (both). Each entry is looked up in
// the loaded ones in a fixed order.

#include <initializer_list>
#include <string>

#include "archive/ArchiverDll.h"

class TZipDll : public TCustomArchiverDll {
 public:
  explicit TZipDll(IModuleLoader& loader) : TCustomArchiverDll(loader) {}
  ~TZipDll() override;

  // Loads whichever of the three libraries can be loaded; never raises.
  void LoadDLL() override;
  // Unloads all three and forgets the two command entries too.
  void FreeDLL() override;

  // The create command "Zip" and the extract command "UnZip", with the null
  // buffer rule of Command.
  int Zip(TWindowHandle owner, const std::string& commandLine, char* output, std::uint32_t size);
  int UnZip(TWindowHandle owner, const std::string& commandLine, char* output, std::uint32_t size);

  [[nodiscard]] bool HasUnzip32() const { return unzip32_ != nullptr; }
  [[nodiscard]] bool HasZip32J() const { return zip32j_ != nullptr; }
  [[nodiscard]] bool HasLmZip32() const { return lmzip32_ != nullptr; }

 protected:
  [[nodiscard]] TEntryAddress Lookup(TEntryId id) override;
  [[noreturn]] void RaiseMissing(TEntryId id) override;

 private:
  using TModule = IModuleLoader::TModule;
  // The first module of the order that has the entry; LMZIP32.DLL names its
  // entries with a lower-case "z" ("UnzipFindFirst").
  TEntryAddress LookupIn(std::initializer_list<TModule> order, const std::string& name);
  TEntryAddress ResolveCommand(TEntryAddress& field, const std::string& name,
                               std::initializer_list<TModule> order);

  TModule unzip32_ = nullptr;
  TModule lmzip32_ = nullptr;
  TModule zip32j_ = nullptr;
  TEntryAddress zip_ = nullptr;
  TEntryAddress unzip_ = nullptr;
};
