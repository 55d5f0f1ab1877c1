#pragma once
// TPowersock: one TCP client socket over Winsock 1.1 with notifications sent
// to a hidden window ("PsockWindowClass"). Its operations look blocking to the
// caller while every wait dispatches the thread's messages, and each waiting
// phase is bounded by TimeOut through a TThreadTimer and a deadline on the
// clock. A quit ends any wait at once, as a cancel.

#include <winsock2.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/errors/MessageBoxes.h"
#include "base/win32/HiddenWindow_win.h"
#include "net/PsockErrors.h"
#include "net/RequestWait.h"
#include "net/ThreadTimer_win.h"
#include "net/WaitThread_win.h"
#include "net/Winsock_win.h"

inline constexpr UINT kSocketMessage = WM_USER + 101;      // 1125
inline constexpr UINT kHostLookupMessage = WM_USER + 102;  // 1126
// FD_READ, FD_OOB, FD_ACCEPT, FD_CONNECT and FD_CLOSE: 61; no FD_WRITE.
inline constexpr long kSocketEvents = FD_READ | FD_OOB | FD_ACCEPT | FD_CONNECT | FD_CLOSE;
inline constexpr int kIoBufferSize = 65536;

class TPowersock : private THiddenWindow {
 public:
  using TStatusEvent = std::function<void(TPowersock& sender, const std::wstring& status)>;
  using TNotifyEvent = std::function<void(TPowersock& sender)>;
  using TInvalidHostEvent = std::function<void(bool& handled)>;
  using TErrorEvent =
      std::function<void(TPowersock& sender, std::uint16_t error, const std::wstring& message)>;

  // A failure that no notification handler expects is shown through the
  // message boxes. Throws ESockError "Initializaton of windows sockets failed".
  explicit TPowersock(IMessageBoxes& messageBoxes);
  ~TPowersock() override;
  TPowersock(const TPowersock&) = delete;
  TPowersock& operator=(const TPowersock&) = delete;

  std::wstring Host;         // dotted IPv4 address or host name
  std::int32_t Port = 0;     // only the low 16 bits are used
  std::int32_t TimeOut = 0;  // milliseconds per waiting phase; 0 waits without bound
  std::int32_t ReportLevel = 0;
  TStatusEvent OnStatus;
  TNotifyEvent OnConnect;
  TNotifyEvent OnDisconnect;
  TNotifyEvent OnHostResolved;
  TInvalidHostEvent OnInvalidHost;  // Handled asks for one more resolution
  TNotifyEvent OnConnectionFailed;
  TNotifyEvent OnDataArrival;
  TNotifyEvent OnAccept;
  TErrorEvent OnError;

  virtual SOCKET Accept();
  virtual void Connect();
  virtual void Disconnect();
  virtual std::string Transaction(const std::string& command);
  virtual void Abort();

  void ResolveRemoteHost();
  // Closes the socket and, unless the component is being destroyed, opens a
  // fresh unconnected one.
  void CloseSocket();
  void Cancel();
  [[nodiscard]] bool DataAvailable();
  // n bytes, or everything pending for 0.
  [[nodiscard]] std::string Read(std::uint16_t count);
  // One line with its LF.
  [[nodiscard]] std::string ReadLn();
  // length 0 sends up to the first zero byte.
  void SendBuffer(const void* buffer, std::uint32_t length);
  void Write(const std::string& text);
  void Writeln(const std::string& text);
  // Raises ESockError with the text of the last Winsock error unless it is
  // the ignored one.
  void CheckSocketError(int ignoredCode);
  [[nodiscard]] std::wstring ErrorText(int code);
  void TimerOn();
  void TimerOff();

  [[nodiscard]] bool Connected() const { return connected_; }
  [[nodiscard]] SOCKET SocketHandle() const { return socket_; }
  [[nodiscard]] HWND SocketWindow() const { return Handle(); }
  [[nodiscard]] const sockaddr_in& RemoteAddress() const { return remote_; }
  [[nodiscard]] const std::vector<std::wstring>& WinsockInfo() const { return winsock_.Info(); }
  [[nodiscard]] const std::wstring& Status() const { return status_; }
  [[nodiscard]] int LastError() const { return lastError_; }
  [[nodiscard]] const std::string& LastReply() const { return lastReply_; }
  [[nodiscard]] std::int16_t ReplyNumber() const { return replyNumber_; }

 protected:
  // A status handler's own failure never ends an operation.
  void ReportStatus(int level, const std::wstring& text);
  // ResolveRemoteHost until an address is known, giving OnInvalidHost one
  // chance; "Null Remote Address" when none is.
  void ResolveHostWithRetry();
  // The peer ended the connection and nothing of it is left to read.
  [[nodiscard]] bool PeerClosed();
  // The remote address with Port, ready for connect().
  [[nodiscard]] const sockaddr* RemoteEndpoint();
  // Handles the thread's messages until `done` holds after a round, a cancel
  // or the time-out; the time-out also by the clock, should its timer message
  // not come. A quit cancels, and is left for the program's own loop.
  void Wait(const std::function<bool()>& done);
  // Something came in: data, the peer's close or a failure of the connection.
  [[nodiscard]] bool InputWaiting();
  [[nodiscard]] std::uint64_t Milliseconds() const { return waitThread_.Milliseconds(); }

  // TimerOn for the life of a waiting phase; TimerOff also on a failure.
  class TTimedPhase {
   public:
    explicit TTimedPhase(TPowersock& socket) : socket_(socket) { socket_.TimerOn(); }
    ~TTimedPhase() { socket_.TimerOff(); }
    TTimedPhase(const TTimedPhase&) = delete;
    TTimedPhase& operator=(const TTimedPhase&) = delete;

   private:
    TPowersock& socket_;
  };

  bool connected_ = false;
  bool success_ = false;
  bool timedOut_ = false;
  bool cancel_ = false;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void SocketWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void SocketEvent(WORD event, WORD error);
  void TimerTriggered();
  // A new socket selected for the notifications; false when that failed.
  [[nodiscard]] bool OpenSocket(bool lingerOff);
  // The bytes peeked at the head of the input, at most limit; -1 on an error.
  [[nodiscard]] int Peek(int limit);
  // Receives count bytes already known to be pending.
  [[nodiscard]] std::string TakeBytes(int count);
  void SendBytes(const char* bytes, int length);
  // Drops the notifications of a closed socket still queued for the window:
  // its handle may come back for the next socket.
  void DiscardNotifications();
  // A lookup that the time-out or a cancel ended is left running.
  void AbandonLookup();

  TWinsockUser winsock_;  // first member: the last to go
  TThreadTimer timer_;
  TWaitThread waitThread_;
  std::optional<std::uint64_t> deadline_;  // of the timed phase; none without a time-out
  SOCKET socket_ = INVALID_SOCKET;
  sockaddr_in remote_{};
  // Filled by the system's lookup thread; a buffer still in its hands is
  // never freed (see ResolveRemoteHost).
  std::unique_ptr<char[]> hostEntry_;
  HANDLE lookup_ = nullptr;  // the running lookup's request; not owned
  std::vector<char> io_;
  std::wstring status_;
  int lastError_ = 0;
  std::string lastReply_;
  std::int16_t replyNumber_ = 0;
  bool lookupDone_ = false;
  bool destroying_ = false;
};
