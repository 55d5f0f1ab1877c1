#include "archive/ZIP32.h"

#include "archive/ArchiverErrors.h"

std::wstring ZipFileName(std::wstring_view name) {
  std::wstring written;
  for (const wchar_t c : name) {
    if (c == L'[') {
      written += L"[[]";
    } else {
      written += c == L'\\' ? L'/' : c;
    }
  }
  if (!written.empty() && written.front() == L'-') written.replace(0, 1, L"[-]");
  return written;
}

TZip32::TZip32(TArchiverLibraries& libraries) : TDllArchiver(libraries, TLibrary::Zip) {
  LoadDLL();
}

std::wstring TZip32::ExtractLine(const std::wstring& word, const TArchiveJob& job) {
  const TArchiverOptions& o = job.Options;
  TCmdOpt line;
  line.NameFilter = ZipFileName;
  line.AddFlag(L"o", o.c == 1);
  if (OwnerWindow() || o.n > 0) line.Add(L"--i");
  line.AddFlag(L"j", o.x == 0);
  AddUserOptions(line, o);
  return CommandLine(word, line, job);
}

std::wstring TZip32::ZipLine(const std::wstring& word, const TArchiveJob& job) {
  const TArchiverOptions& o = job.Options;
  TCmdOpt line;
  line.NameFilter = ZipFileName;
  line.AddFlag(L"S", o.a > 0);
  line.AddFlag(L"D", o.a < 2);
  line.AddFlag(L"v", o.l > 0);
  line.AddFlag(L"q", o.n > 0);
  line.AddFlag(L"r", o.r > 0);
  line.AddFlag(L"o", o.n > 0);
  line.AddFlag(L"u", o.u > 0);
  line.AddFlag(L"j", o.x == 0);
  line.AddFlag(L"FF", o.jc > 0);
  line.AddFlag(L"k", o.ji > 0);
  line.AddNumber(L"", o.jm);
  line.AddFlag(L"J", o.gd > 0);
  AddUserOptions(line, o);
  return CommandLine(word, line, job);
}

int TZip32::SendZip(const TArchiveJob& job, const std::wstring& commandLine) {
  return Run(commandLine, [&](const std::string& text) {
    return Zip().Zip(job.Owner, text, job.Output.data(),
                     static_cast<std::uint32_t>(job.Output.size()));
  });
}

int TZip32::Extract(const TArchiveJob& job) {
  if (!Zip().HasUnzip32() && !Zip().HasLmZip32()) {
    throw EArchiver(L"ZIP 形式書庫の解凍には UNZIP32.DLL または LMZIP32.DLL が必要です。");
  }
  return Run(ExtractLine(L"-x", job), [&](const std::string& text) {
    return Zip().UnZip(job.Owner, text, job.Output.data(),
                       static_cast<std::uint32_t>(job.Output.size()));
  });
}

int TZip32::PackWithLmZip(const TArchiveJob& job) {
  TCmdOpt line;
  line.AddFlag(L"o", job.Options.c == 1);
  line.AddFlag(L"j", job.Options.x == 0);
  AddUserOptions(line, job.Options);
  const std::wstring commandLine = CommandLine(L"-ru", line, WithoutFolder(job));
  // LMZIP32.DLL adds to an existing archive; packing makes a new one.
  libraries_.System().RemoveFile(job.Archive);
  return SendZip(job, commandLine);
}

int TZip32::Pack(const TArchiveJob& job) {
  if (Zip().HasZip32J()) return SendZip(job, ZipLine(L"", job));
  if (Zip().HasLmZip32()) return PackWithLmZip(job);
  throw EArchiver(L"ZIP 形式書庫の作成には ZIP32J.DLL または LMZIP32.DLL が必要です。");
}

int TZip32::Delete(const TArchiveJob& job) {
  return SendZip(job, ZipLine(L"-d", WithoutFolder(job)));
}

int TZip32::Update(const TArchiveJob& job) { return SendZip(job, ZipLine(L"-f", job)); }

int TZip32::MakeSfx(const TArchiveJob& job) {
  if (!Zip().HasZip32J()) throw ESfxNoRequiredFile(L"zip", L"", L"ZIP32J.DLL");
  const bool windows = job.Options.gw > 0;
  const std::wstring stub = windows ? L"sfx32gui.dat" : L"sfx16.dat";
  const std::optional<std::wstring> stubPath = libraries_.System().FindOnSearchPath(stub);
  if (!stubPath) throw ESfxNoRequiredFile(L"zip", windows ? L"Win32" : L"DOS", stub);
  const std::wstring outputPath = SfxOutputPath(job.Archive, job.Folder, L".EXE");
  WriteSfx(libraries_.System(), *stubPath, job.Archive, outputPath);
  // Quoted, so that a path with blanks stays one argument.
  return SendZip(job, L"-A \"" + outputPath + L"\"");
}

int TZip32::ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                            const TArchiverOptions& options, const std::wstring& member,
                            std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) {
  return ExtractMember(Zip(), owner, archive, options, member, buffer, size, written,
                       [&](const TArchiveJob& job) { return ExtractLine(L"", job); });
}

bool TZip32::CheckArchive(const std::wstring& path, int mode, int) {
  return Zip().CheckArchive(Text(path), mode) != 0;
}
