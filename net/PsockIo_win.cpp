// TPowersock's data operations: peeking, reading, line reading, sending,
// the line transaction and accepting a connection.

#include <cstring>

#include "base/text/AnsiCodec_win.h"
#include "net/PsockTexts.h"
#include "net/Psock_win.h"

namespace {

// The largest count a read can take at once.
constexpr int kLargestCount = 65535;

}  // namespace

bool TPowersock::DataAvailable() {
  ReportStatus(8, L"Data Available");
  return Peek(1) >= 1;
}

bool TPowersock::PeerClosed() {
  // A close seen with nothing pending has already replaced the socket.
  return !connected_ || Peek(1) == 0;
}

int TPowersock::Peek(int limit) { return recv(socket_, io_.data(), limit, MSG_PEEK); }

bool TPowersock::InputWaiting() {
  return Peek(1) != SOCKET_ERROR || WSAGetLastError() != WSAEWOULDBLOCK;
}

std::string TPowersock::TakeBytes(int count) {
  std::string bytes(static_cast<std::size_t>(count), '\0');
  if (count == 0) return bytes;
  int received = recv(socket_, bytes.data(), count, 0);
  if (received == SOCKET_ERROR) {
    CheckSocketError(WSAEWOULDBLOCK);
    received = 0;
  }
  bytes.resize(static_cast<std::size_t>(received));
  return bytes;
}

std::string TPowersock::Read(std::uint16_t count) {
  ReportStatus(8, ReadStatusText(count));
  int wanted = count;
  if (count == 0) {
    const int peeked = Peek(kLargestCount);
    if (peeked == SOCKET_ERROR) {
      CheckSocketError(WSAEWOULDBLOCK);
      return {};
    }
    wanted = peeked;
  } else {
    // No time-out of its own: a caller that must not wait bounds the wait.
    for (;;) {
      const int peeked = Peek(kIoBufferSize);
      if (peeked == 0) return {};  // the peer closed
      if (peeked == SOCKET_ERROR) CheckSocketError(WSAEWOULDBLOCK);
      if (peeked >= count || cancel_) break;
      Wait([this] { return InputWaiting(); });
    }
  }
  if (cancel_) {
    cancel_ = false;
    throw EAbortError(TSockFailure::SendAborted);
  }
  return TakeBytes(wanted);
}

std::string TPowersock::ReadLn() {
  ReportStatus(8, L"ReadLn");
  TTimedPhase phase(*this);
  std::string line;
  for (;;) {
    const int peeked = Peek(kIoBufferSize);
    // A close or a lost connection ends the line with what came of it.
    if (peeked == 0) return line;
    if (peeked == SOCKET_ERROR) {
      lastError_ = WSAGetLastError();
      if (lastError_ == WSAENOTCONN) return line;
      CheckSocketError(WSAEWOULDBLOCK);
    } else {
      const auto* end = static_cast<const char*>(std::memchr(io_.data(), '\n', peeked));
      if (end) return line + TakeBytes(static_cast<int>(end - io_.data()) + 1);
      line += TakeBytes(peeked);
    }
    if (cancel_) {
      cancel_ = false;
      throw EAbortError(TSockFailure::ReadLnAborted);
    }
    Wait([this] { return InputWaiting(); });
  }
}

void TPowersock::SendBuffer(const void* buffer, std::uint32_t length) {
  ReportStatus(4, L"Sending Buffer");
  TTimedPhase phase(*this);
  if (!cancel_) {
    const auto* bytes = static_cast<const char*>(buffer);
    if (length == 0) length = static_cast<std::uint32_t>(std::strlen(bytes));
    if (length > kLargestCount) throw ERangeError();
    SendBytes(bytes, static_cast<int>(length));
  }
  if (cancel_) {
    cancel_ = false;
    throw EAbortError(TSockFailure::SendAborted);
  }
}

void TPowersock::SendBytes(const char* bytes, int length) {
  int sent = 0;
  while (sent < length && !cancel_) {
    const int result = send(socket_, bytes + sent, length - sent, 0);
    if (result == 0) return;
    if (result == SOCKET_ERROR) {
      CheckSocketError(WSAEWOULDBLOCK);
      // The peer takes nothing now: one round, so that the time-out can end it.
      Wait([] { return true; });
    } else {
      sent += result;
    }
  }
}

void TPowersock::Write(const std::string& text) {
  ReportStatus(8, L"Write");
  SendBuffer(text.c_str(), 0);
}

void TPowersock::Writeln(const std::string& text) {
  ReportStatus(8, L"Writeln");
  Write(text + "\r\n");
}

std::string TPowersock::Transaction(const std::string& command) {
  ReportStatus(8, L"Transaction");
  replyNumber_ = 0;
  Writeln(command);
  lastReply_ = ReadLn();
  if (!lastReply_.empty()) {
    ReportStatus(1, TAnsiCodec().Decode(lastReply_));
    replyNumber_ = ::ReplyNumber(lastReply_);
  }
  return lastReply_;
}

SOCKET TPowersock::Accept() {
  ReportStatus(4, L"Accepting");
  // Waits for a connection to come in (FD_ACCEPT), bounded by the time-out.
  lookupDone_ = false;
  {
    TTimedPhase phase(*this);
    Wait([this] { return connected_ || lookupDone_; });
  }
  if (cancel_) {
    cancel_ = false;
    throw ESockError(TSockFailure::AcceptingCanceled);
  }
  sockaddr_in peer{};
  int peerSize = sizeof peer;
  const SOCKET accepted =
      success_ ? accept(socket_, reinterpret_cast<sockaddr*>(&peer), &peerSize) : INVALID_SOCKET;
  if (accepted == INVALID_SOCKET) throw ESockError(TSockFailure::DataConnectionFailed);
  WSAAsyncSelect(accepted, Handle(), kSocketMessage, kSocketEvents);
  remote_ = peer;
  return accepted;
}
