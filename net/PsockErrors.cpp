#include "net/PsockErrors.h"

#include <array>
#include <string_view>

namespace {

struct TErrorRow {
  int code;
  std::wstring_view text;
};

constexpr std::array<TErrorRow, 51> kErrorRows{{
    {10004, L"Interrupted system call"},
    {10009, L"Bad file number"},
    {10013, L"Permission denied"},
    {10014, L"Bad address"},
    {10022, L"Invalid argument"},
    {10024, L"Too many open files"},
    {10035, L"Operation would block"},
    {10036, L"Operation now in progress"},
    {10037, L"Operation already in progress"},
    {10038, L"Socket operation on non-socket"},
    {10039, L"Destination address required"},
    {10040, L"Message too long"},
    {10041, L"Wrong protocol type for socket"},
    {10042, L"Bad protocol option"},
    {10043, L"Protocol not supported"},
    {10044, L"Socket type not supported"},
    {10045, L"Operation not supported on socket"},
    {10046, L"Protocol family not supported"},
    {10047, L"Address family not supported by protocol family"},
    {10048, L"Address already in use"},
    {10049, L"Can't assign requested address"},
    {10050, L"Network is down"},
    {10051, L"Network is unreachable"},
    {10052, L"Network dropped connection or reset"},
    {10053, L"Software caused connection abort"},
    {10054, L"Connection reset by peer"},
    {10055, L"No buffer space available"},
    {10056, L"Socket is already connected"},
    {10057, L"Socket is not connected"},
    {10058, L"Can't send after socket shutdown"},
    {10059, L"Too many references, can't splice"},
    {10060, L"Connection timed out"},
    {10061, L"Connection refused"},
    {10062, L"Too many levels of symbolic links"},
    {10063, L"File name too long"},
    {10064, L"Host is down"},
    {10065, L"No route to Host"},
    {10066, L"Directory not empty"},
    {10067, L"Too many processes"},
    {10068, L"Too many users"},
    {10069, L"Disc quota exceeded"},
    {10070, L"Stale NFS file handle"},
    {10071, L"Too many levels of remote in path"},
    {10091, L"Network subsystem is unavailable"},
    {10092, L"Incompatible version of WINSOCK.DLL"},
    {10093, L"Successful WSAStartup not yet performed"},
    {11001, L"Host not found"},
    {11002, L"Non-Authoritative Host not found"},
    {11003, L"Non-Recoverable error: FORMERR, REFUSED, NOTIMP"},
    {11004, L"Valid name, no data record of requested type"},
    {0, L"Unrecognized error code"},
}};

}  // namespace

std::wstring SockFailureText(TSockFailure failure) {
  switch (failure) {
    case TSockFailure::Winsock:
      return {};
    case TSockFailure::InitializationFailed:
      return L"Initializaton of windows sockets failed";
    case TSockFailure::AlreadyConnected:
      return L"Already connected";
    case TSockFailure::HostLookupTimedOut:
      return L"Host Lookup Timed Out";
    case TSockFailure::HostLookupCanceled:
      return L"Host Lookup Canceled";
    case TSockFailure::HostLookupFailed:
      return L"Host Lookup Failed";
    case TSockFailure::NullRemoteAddress:
      return L"Null Remote Address";
    case TSockFailure::ConnectionTimedOut:
      return L"Connection Timed out";
    case TSockFailure::ConnectionCanceled:
      return L"Connection Canceled";
    case TSockFailure::ConnectionFailed:
      return L"Connection Failed";
    case TSockFailure::ConnectionClosed:
      return L"Connection Closed";
    case TSockFailure::ReadTimedOut:
      return L"Read Timed out";
    case TSockFailure::ReadCanceled:
      return L"Read Canceled";
    case TSockFailure::AcceptingCanceled:
      return L"Accepting Canceled";
    case TSockFailure::DataConnectionFailed:
      return L"Error creating Data Connection";
    case TSockFailure::SendAborted:
      return L"Socket send aborted";
    case TSockFailure::ReadLnAborted:
      return L"Socket readln aborted";
    case TSockFailure::BadTimeReply:
      return L"Invalid Time Reply";
  }
  return {};
}

std::wstring SocketErrorText(int code) {
  if (code == 0) return {};
  for (const TErrorRow& row : kErrorRows) {
    if (row.code == code) return std::to_wstring(code) + L":" + std::wstring(row.text);
  }
  return L"Unknown Error No. " + std::to_wstring(code);
}
