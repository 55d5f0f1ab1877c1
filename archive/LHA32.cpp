#include "archive/LHA32.h"

#include <initializer_list>
#include <utility>

namespace {
using TNumbers = std::initializer_list<std::pair<const wchar_t*, int>>;

void AddNumbers(TCmdOpt& line, TNumbers numbers) {
  for (const auto& [name, value] : numbers) line.AddNumber(name, value);
}
}  // namespace

TLha32::TLha32(TArchiverLibraries& libraries, TLibrary library) : TDllArchiver(libraries, library) {
  LoadDLL();
}

void TLha32::AddSwitches(TCmdOpt& line, const TArchiverOptions& o) const {
  line.Add(L"-+");
  AddNumbers(line, {{L"a", o.a},
                    {L"c", o.c},
                    {L"e", o.e},
                    {L"f", o.f},
                    {L"h", o.h},
                    {L"i", o.i},
                    {L"l", o.l},
                    {L"m", o.m}});
  // The library must not show its own dialogs while progress goes to a window.
  line.AddNumber(L"n", OwnerWindow() ? 1 : o.n);
  AddNumbers(line, {{L"o", o.o}, {L"p", o.p}, {L"r", o.r}, {L"s", o.s}, {L"t", o.t}, {L"u", o.u}});
  line.AddDir(L"w", o.w);
  AddNumbers(line, {{L"x", o.x},
                    {L"y", o.y},
                    {L"z", o.z},
                    {L"jc", o.jc},
                    {L"jd", o.jd},
                    {L"je", o.je},
                    {L"jf", o.jf},
                    {L"jh", o.jh},
                    {L"ji", o.ji},
                    {L"jm", o.jm},
                    {L"jn", o.jn}});
  line.AddQuoted(L"jo", o.jo);
  line.AddQuoted(L"job", o.job);
  AddNumbers(line, {{L"jp", o.jp},
                    {L"jr", o.jr},
                    {L"jsb", o.jsb},
                    {L"jsc", o.jsc},
                    {L"jsd", o.jsd},
                    {L"jse", o.jse},
                    {L"jsf", o.jsf},
                    {L"jsl", o.jsl},
                    {L"jso", o.jso},
                    {L"jss", o.jss},
                    {L"jst", o.jst},
                    {L"jsv", o.jsv},
                    {L"jsz", o.jsz},
                    {L"jw", o.jw}});
  for (const std::wstring& pattern : o.jx) line.AddFile(L"jx", pattern);
  AddNumbers(line,
             {{L"jyc", o.jyc}, {L"jyd", o.jyd}, {L"jyk", o.jyk}, {L"jyn", o.jyn}, {L"jyo", o.jyo}});
  line.AddQuoted(L"jz", o.jz);
  AddNumbers(line, {{L"ga", o.ga},
                    {L"gd", o.gd},
                    {L"ge", o.ge},
                    {L"gf", o.gf},
                    {L"gj", o.gj},
                    {L"gm", o.gm},
                    {L"gn", o.gn},
                    {L"go", o.go},
                    {L"gp", o.gp}});
  line.AddQuoted(L"gr", o.gr);
  AddNumbers(line, {{L"gs", o.gs}, {L"gu", o.gu}, {L"gw", o.gw}});
  AddUserOptions(line, o);
}

std::wstring TLha32::Line(const std::wstring& word, const TArchiveJob& job) {
  TCmdOpt line;
  AddSwitches(line, job.Options);
  return CommandLine(word, line, job);
}

int TLha32::Extract(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"x", job)); }

int TLha32::Pack(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"u", job)); }

int TLha32::Delete(const TArchiveJob& job) {
  return RunCommand(Library(), job, Line(L"d", WithoutFolder(job)));
}

int TLha32::Update(const TArchiveJob& job) { return RunCommand(Library(), job, Line(L"f", job)); }

int TLha32::MakeSfx(const TArchiveJob& job) {
  return RunCommand(Library(), job, Line(L"s", WithoutFiles(job)));
}

int TLha32::ExtractToMemory(TWindowHandle owner, const std::wstring& archive,
                            const TArchiverOptions& options, const std::wstring& member,
                            std::uint8_t* buffer, std::uint32_t size, std::uint32_t& written) {
  return ExtractMember(Library(), owner, archive, options, member, buffer, size, written,
                       [&](const TArchiveJob& job) { return Line(L"", job); });
}
