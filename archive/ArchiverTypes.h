#pragma once
// Types shared by the archiver layer: the format enumeration, the opaque
// handles passed through to the archiver libraries and the signatures of
// their entries. No Win32 header: the handles are the libraries' HWND and
// HARC, carried as opaque pointers.

#include <cstdint>

// The archiver libraries use the stdcall convention, which exists only on
// 32-bit x86; elsewhere the default convention is the only one.
#if defined(_WIN32) && defined(__i386__)
#define ARCHIVER_API __attribute__((stdcall))
#else
#define ARCHIVER_API
#endif

enum TArchiverType : int {
  atLha,
  atZip,
  atCab,
  atArj,
  atTar,
  atTgz,
  atBZ2,
  atRar,
  atBga,
  atYz1,
  atGCA,
  atBel,
  at7z,
  atNone,
  atAutoDetect,
};

using TWindowHandle = void*;    // owner window (HWND); not owned
using TArchiveHandle = void*;   // open archive of a library (HARC); not owned
using TLibBool = std::int32_t;  // Win32 BOOL

// An entry address as the loader hands it out; cast to its signature below.
using TEntryAddress = void (*)();

using TCommandEntry = int(ARCHIVER_API*)(TWindowHandle owner, const char* commandLine, char* output,
                                         std::uint32_t outputSize);
using TOpenArchiveEntry = TArchiveHandle(ARCHIVER_API*)(TWindowHandle owner, const char* path,
                                                        std::uint32_t mode);
using TCloseArchiveEntry = int(ARCHIVER_API*)(TArchiveHandle archive);
using TFindFirstEntry = int(ARCHIVER_API*)(TArchiveHandle archive, const char* wildName,
                                           void* record);
using TFindNextEntry = int(ARCHIVER_API*)(TArchiveHandle archive, void* record);
using TExtractMemEntry = int(ARCHIVER_API*)(TWindowHandle owner, const char* commandLine,
                                            std::uint8_t* buffer, std::uint32_t size, void* time,
                                            void* attributes, std::uint32_t* written);
using TCheckArchiveEntry = TLibBool(ARCHIVER_API*)(const char* path, int mode);
using TSetOwnerWindowExEntry = TLibBool(ARCHIVER_API*)(TWindowHandle owner, void* callback);
using TKillOwnerWindowExEntry = TLibBool(ARCHIVER_API*)(TWindowHandle owner);
// FILETIME is two 32-bit halves, low first: the same bytes as a uint64.
using TGetTimeEntry = TLibBool(ARCHIVER_API*)(TArchiveHandle archive, std::uint64_t* fileTime);
using TGetSizeEntry = TLibBool(ARCHIVER_API*)(TArchiveHandle archive, std::int64_t* size);
using TGetArchiveTypeEntry = int(ARCHIVER_API*)(const char* path);
using TPasswordDialogEntry = int(ARCHIVER_API*)(TWindowHandle owner, char* buffer,
                                                std::uint32_t size);
using TSetDefaultPasswordEntry = int(ARCHIVER_API*)(TArchiveHandle archive, const char* password);
