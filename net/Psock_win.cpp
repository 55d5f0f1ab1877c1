#include "net/Psock_win.h"

#include <cstring>
#include <optional>

#include "base/text/AnsiCodec_win.h"

namespace {

constexpr int kHostEntrySize = MAXGETHOSTSTRUCT;  // 1024 bytes

}  // namespace

TPowersock::TPowersock(IMessageBoxes& messageBoxes)
    : THiddenWindow(L"PsockWindowClass", messageBoxes), timer_(messageBoxes), io_(kIoBufferSize) {
  ReportStatus(8, L"Create");
  timer_.SetEnabled(false);
  timer_.SetOnTimer([this](TThreadTimer&) { TimerTriggered(); });
  ReportStatus(8, L"Initializing Winsock");
  // The first socket resets its connection at once on close (SO_LINGER 0).
  if (!Handle() || !OpenSocket(true)) {
    throw ESockError(TSockFailure::InitializationFailed);
  }
}

TPowersock::~TPowersock() {
  // No handler is called from here on: what they touch may be gone already.
  destroying_ = true;
  ReportStatus(8, L"Destroy");
  Abort();
  Cancel();
  try {
    CloseSocket();
  } catch (const ESockError&) {
    // Nothing more can be done about a socket that does not close.
  }
  if (lookup_) AbandonLookup();
}

bool TPowersock::OpenSocket(bool lingerOff) {
  const SOCKET handle = socket(AF_INET, SOCK_STREAM, lingerOff ? IPPROTO_TCP : 0);
  if (handle == INVALID_SOCKET) return false;
  if (lingerOff) {
    const linger option{.l_onoff = 1, .l_linger = 0};
    setsockopt(handle, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&option),
               sizeof option);
  }
  if (WSAAsyncSelect(handle, Handle(), kSocketMessage, kSocketEvents) == SOCKET_ERROR) {
    closesocket(handle);
    return false;
  }
  socket_ = handle;
  return true;
}

void TPowersock::ReportStatus(int level, const std::wstring& text) {
  if (ReportLevel < level) return;
  status_ = text;
  if (destroying_ || !OnStatus) return;
  try {
    OnStatus(*this, text);
  } catch (const EZelkError&) {
    // A status handler's failure never ends an operation.
  }
}

LRESULT TPowersock::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message < kSocketMessage) return DefaultHandling(message, wParam, lParam);
  try {
    SocketWindowMessage(message, wParam, lParam);
  } catch (const EZelkError&) {
    // Failures of notification handlers stay inside the window procedure;
    // anything else reaches the window's edge, which shows it.
  }
  return 0;
}

void TPowersock::SocketWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kHostLookupMessage) {
    // The answer to a lookup given up on is no answer to this one.
    if (reinterpret_cast<HANDLE>(wParam) != lookup_) return;
    lookup_ = nullptr;
    success_ = WSAGETASYNCERROR(lParam) == 0;
    lookupDone_ = true;
  } else if (message == kSocketMessage) {
    success_ = WSAGETSELECTERROR(lParam) == 0;
    SocketEvent(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam));
  }
}

void TPowersock::SocketEvent(WORD event, WORD error) {
  switch (event) {
    case FD_READ:
      try {
        if (OnDataArrival) OnDataArrival(*this);
      } catch (const EZelkError&) {
        // The data stays pending for the next read.
      }
      break;
    case FD_ACCEPT:
      connected_ = true;
      if (OnAccept) OnAccept(*this);
      break;
    case FD_CONNECT:
      if (error != 0) break;
      connected_ = true;
      if (OnConnect) OnConnect(*this);
      break;
    case FD_CLOSE:
      // Data that came before the close stays readable.
      if (!DataAvailable()) CloseSocket();
      break;
    default:
      break;
  }
}

void TPowersock::TimerOn() {
  ReportStatus(8, L"Timer On");
  if (TimeOut < 0) throw ERangeError();
  timedOut_ = false;
  timer_.SetInterval(static_cast<std::uint32_t>(TimeOut));
  timer_.SetEnabled(true);
  deadline_.reset();
  if (TimeOut > 0) deadline_ = Milliseconds() + static_cast<std::uint64_t>(TimeOut);
}

void TPowersock::TimerOff() {
  ReportStatus(8, L"Timer Off");
  timer_.SetEnabled(false);
  deadline_.reset();
}

void TPowersock::Wait(const std::function<bool()>& done) {
  const auto ended = [&] { return done() || timedOut_ || cancel_; };
  switch (WaitFor(waitThread_, ended, deadline_)) {
    case TWaitEnd::TimedOut:
      TimerTriggered();
      break;
    case TWaitEnd::Quit:
      Abort();
      break;
    case TWaitEnd::Done:
      break;
  }
}

void TPowersock::TimerTriggered() {
  ReportStatus(8, L"Timer Triggered");
  TimerOff();
  timedOut_ = true;
  lookupDone_ = true;
  Abort();
}

void TPowersock::Cancel() {
  ReportStatus(8, L"Canceling");
  cancel_ = true;
}

void TPowersock::Abort() {
  ReportStatus(8, L"Abort");
  Cancel();
}

void TPowersock::ResolveRemoteHost() {
  ReportStatus(8, L"Resolve Host");
  // An empty name would find this machine; a name the code page cannot hold
  // is no name at all.
  const std::optional<std::string> host = TAnsiCodec().Encode(Host);
  if (!host || host->empty()) {
    remote_.sin_addr.s_addr = 0;
    throw ESockError(TSockFailure::HostLookupFailed);
  }
  remote_.sin_addr.s_addr = inet_addr(host->c_str());
  if (remote_.sin_addr.s_addr != INADDR_NONE) return;
  remote_.sin_addr.s_addr = 0;
  TimerOn();
  lookupDone_ = false;
  if (!hostEntry_) hostEntry_ = std::make_unique<char[]>(kHostEntrySize);
  lookup_ = WSAAsyncGetHostByName(Handle(), kHostLookupMessage, host->c_str(), hostEntry_.get(),
                                  kHostEntrySize);
  if (lookup_) Wait([this] { return !lookup_ || lookupDone_; });
  TimerOff();
  if (lookup_) AbandonLookup();
  if (timedOut_) throw ESockError(TSockFailure::HostLookupTimedOut);
  if (cancel_) throw ESockError(TSockFailure::HostLookupCanceled);
  const auto* entry = reinterpret_cast<const hostent*>(hostEntry_.get());
  if (!lookupDone_ || !success_ || entry->h_length != 4 || !entry->h_addr_list[0]) {
    throw ESockError(TSockFailure::HostLookupFailed);
  }
  std::memcpy(&remote_.sin_addr, entry->h_addr_list[0], 4);
  if (OnHostResolved) OnHostResolved(*this);
}

void TPowersock::AbandonLookup() {
  WSACancelAsyncRequest(lookup_);
  lookup_ = nullptr;
  // The system's lookup thread may still write into the buffer: it is never
  // freed, and the next lookup gets a fresh one.
  static_cast<void>(hostEntry_.release());
}

void TPowersock::ResolveHostWithRetry() {
  int tries = 0;
  for (;;) {
    try {
      ResolveRemoteHost();
    } catch (const ESockError& error) {
      // A lookup that ran out of time or was cancelled is not retried.
      if (error.Failure() == TSockFailure::HostLookupTimedOut ||
          error.Failure() == TSockFailure::HostLookupCanceled) {
        throw;
      }
    }
    if (remote_.sin_addr.s_addr != 0) return;
    bool handled = false;
    if (tries == 0 && OnInvalidHost) OnInvalidHost(handled);
    if (!handled) throw ESockError(TSockFailure::NullRemoteAddress);
    ++tries;
  }
}

const sockaddr* TPowersock::RemoteEndpoint() {
  remote_.sin_family = AF_INET;
  remote_.sin_port = htons(static_cast<std::uint16_t>(Port & 0xFFFF));
  return reinterpret_cast<const sockaddr*>(&remote_);
}

void TPowersock::Connect() {
  ReportStatus(8, L"Connecting");
  cancel_ = false;
  if (connected_) throw ESockError(TSockFailure::AlreadyConnected);
  ResolveHostWithRetry();
  lookupDone_ = false;
  success_ = true;
  if (connect(socket_, RemoteEndpoint(), sizeof remote_) == SOCKET_ERROR) {
    CheckSocketError(WSAEWOULDBLOCK);
  }
  {
    TTimedPhase phase(*this);
    Wait([this] { return connected_ || !success_; });
  }
  if (connected_ && !timedOut_ && !cancel_) return;
  if (OnConnectionFailed) OnConnectionFailed(*this);
  if (timedOut_) throw ESockError(TSockFailure::ConnectionTimedOut);
  if (cancel_) throw ESockError(TSockFailure::ConnectionCanceled);
  throw ESockError(TSockFailure::ConnectionFailed);
}

void TPowersock::Disconnect() {
  ReportStatus(8, L"Disconnecting");
  CloseSocket();
}

void TPowersock::CloseSocket() {
  ReportStatus(4, L"Request Close Socket");
  connected_ = false;
  if (socket_ == INVALID_SOCKET) return;
  if (closesocket(socket_) == SOCKET_ERROR) {
    CheckSocketError(WSAEWOULDBLOCK);
    return;
  }
  socket_ = INVALID_SOCKET;
  DiscardNotifications();
  if (destroying_) return;
  if (OnDisconnect) OnDisconnect(*this);
  if (!OpenSocket(false)) CheckSocketError(WSAEWOULDBLOCK);
}

void TPowersock::DiscardNotifications() {
  MSG message;
  while (PeekMessageW(&message, Handle(), kSocketMessage, kSocketMessage, PM_REMOVE)) {
    // A filtered peek can still hand out a waiting quit (Wine's does): it
    // belongs to the program's own loop.
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
  }
}

void TPowersock::CheckSocketError(int ignoredCode) {
  lastError_ = WSAGetLastError();
  if (lastError_ == ignoredCode || lastError_ <= 10000) return;
  const std::wstring text = ErrorText(lastError_);
  if (!destroying_ && OnError) OnError(*this, static_cast<std::uint16_t>(lastError_), text);
  throw ESockError(TSockFailure::Winsock, text);
}

std::wstring TPowersock::ErrorText(int code) {
  ReportStatus(8, L"Looking Up Error Message");
  return SocketErrorText(code);
}
