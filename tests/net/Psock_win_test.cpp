#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "net/Psock_win.h"
#include "net/WaitThread_win.h"
#include "tests/net/FailureOf.h"
#include "tests/net/LocalServer_win.h"
#include "tests/support/FakeMessageBoxes.h"

namespace {

const std::string kFourBytes("\x01\x02\x03\x04", 4);

// Dispatches messages until the condition holds or a generous bound passes.
template <typename Condition>
bool PumpUntil(Condition&& condition) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    (void)TWaitThread().HandleMessages();
  }
  return true;
}

void PumpFor(std::chrono::milliseconds duration) {
  const auto end = std::chrono::steady_clock::now() + duration;
  while (std::chrono::steady_clock::now() < end) (void)TWaitThread().HandleMessages();
}

// Records the status texts of every level.
struct StatusLog {
  std::vector<std::wstring> texts;
  void Attach(TPowersock& socket) {
    socket.ReportLevel = 8;
    socket.OnStatus = [this](TPowersock&, const std::wstring& text) { texts.push_back(text); };
  }
  bool Has(const std::wstring& text) const {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

void Aim(TPowersock& socket, const TLocalServer& server) {
  socket.Host = server.Address();
  socket.Port = server.Port();
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

}  // namespace

TEST(Powersock, OnlyTheFirstLiveComponentStartsWinsock) {
  const int before = TWinsockUser::Count();
  FakeMessageBoxes boxes;
  {
    TPowersock first(boxes);
    TPowersock second(boxes);
    EXPECT_EQ(TWinsockUser::Count(), before + 2);
    if (before == 0) {
      ASSERT_EQ(first.WinsockInfo().size(), 6u);
      EXPECT_EQ(first.WinsockInfo()[0], L"Version= 1.1");
      EXPECT_EQ(first.WinsockInfo()[4].rfind(L"Max Sockets= ", 0), 0u);
    }
    EXPECT_TRUE(second.WinsockInfo().empty());
    EXPECT_EQ(ClassOf(first.SocketWindow()), L"PsockWindowClass");
    EXPECT_NE(first.SocketHandle(), INVALID_SOCKET);
  }
  EXPECT_EQ(TWinsockUser::Count(), before);
  // After the last one went, the next one starts Winsock again.
  if (before == 0) {
    EXPECT_EQ(TPowersock(boxes).WinsockInfo().size(), 6u);
  }
}

TEST(Powersock, DottedAddressResolvesWithoutALookupAndNamesThroughOne) {
  StatusLog log;
  int resolved = 0;
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  log.Attach(socket);
  socket.Host = L"127.0.0.1";
  socket.ResolveRemoteHost();
  EXPECT_EQ(socket.RemoteAddress().sin_addr.s_addr, htonl(INADDR_LOOPBACK));
  EXPECT_EQ(log.texts, std::vector<std::wstring>{L"Resolve Host"});

  socket.OnHostResolved = [&](TPowersock&) { ++resolved; };
  socket.Host = L"localhost";
  socket.TimeOut = 10000;
  socket.ResolveRemoteHost();
  EXPECT_EQ(socket.RemoteAddress().sin_addr.s_addr, htonl(INADDR_LOOPBACK));
  EXPECT_EQ(resolved, 1);
  EXPECT_TRUE(log.Has(L"Timer On"));
}

TEST(Powersock, UnresolvableNameIsNullRemoteAddressUnlessTheHandlerRetries) {
  TLocalServer server(SendAndHold(kFourBytes));
  int asked = 0;
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  socket.TimeOut = 10000;
  socket.Port = server.Port();
  socket.Host = L"zelk-test.invalid";
  EXPECT_EQ(FailureOf([&] { socket.ResolveRemoteHost(); }), L"Host Lookup Failed");
  EXPECT_EQ(FailureOf([&] { socket.Connect(); }), L"Null Remote Address");

  socket.OnInvalidHost = [&](bool& handled) {
    ++asked;
    socket.Host = L"127.0.0.1";
    handled = true;
  };
  socket.Connect();
  EXPECT_TRUE(socket.Connected());
  EXPECT_EQ(asked, 1);
}

TEST(Powersock, ACancelledLookupIsNotRetried) {
  int asked = 0;
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  socket.TimeOut = 10000;
  socket.Host = L"localhost";
  socket.ReportLevel = 8;
  // Cancelled as soon as the lookup is under way.
  socket.OnStatus = [&](TPowersock& sender, const std::wstring& text) {
    if (text == L"Timer On") sender.Cancel();
  };
  socket.OnInvalidHost = [&](bool& handled) {
    ++asked;
    handled = true;
  };
  try {
    socket.Connect();
    ADD_FAILURE() << "Connect succeeded";
  } catch (const ESockError& error) {
    EXPECT_EQ(error.Failure(), TSockFailure::HostLookupCanceled);
    EXPECT_EQ(error.Message(), L"Host Lookup Canceled");
  }
  EXPECT_EQ(asked, 0);
}

TEST(Powersock, ReadOfZeroTakesExactlyWhatIsPending) {
  TLocalServer server(SendAndHold(kFourBytes));
  StatusLog log;
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  log.Attach(socket);
  Aim(socket, server);
  socket.Connect();
  ASSERT_TRUE(PumpUntil([&] { return socket.DataAvailable(); }));
  EXPECT_EQ(socket.Read(0), kFourBytes);
  EXPECT_TRUE(log.Has(L"Read( 0 )"));
  EXPECT_FALSE(socket.DataAvailable());
  EXPECT_EQ(FailureOf([&] { socket.Connect(); }), L"Already connected");
}

TEST(Powersock, CloseWithDataPendingLeavesTheDataReadable) {
  TLocalServer server(SendAndClose(kFourBytes));
  int disconnects = 0;
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  socket.OnDisconnect = [&](TPowersock&) { ++disconnects; };
  Aim(socket, server);
  socket.Connect();
  ASSERT_TRUE(PumpUntil([&] { return socket.DataAvailable(); }));
  // The peer's close, real and repeated, while the four bytes wait.
  PostMessageW(socket.SocketWindow(), kSocketMessage, socket.SocketHandle(),
               WSAMAKESELECTREPLY(FD_CLOSE, 0));
  PumpFor(std::chrono::milliseconds(200));
  EXPECT_TRUE(socket.Connected());
  EXPECT_EQ(disconnects, 0);
  EXPECT_EQ(socket.Read(0), kFourBytes);
  // Once the data is taken, the close closes.
  PostMessageW(socket.SocketWindow(), kSocketMessage, socket.SocketHandle(),
               WSAMAKESELECTREPLY(FD_CLOSE, 0));
  ASSERT_TRUE(PumpUntil([&] { return !socket.Connected(); }));
  EXPECT_EQ(disconnects, 1);
}

TEST(Powersock, RefusedConnectFailsAndKeepsItsSocket) {
  int failed = 0;
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  socket.Host = L"127.0.0.1";
  socket.Port = RefusingPort();
  socket.TimeOut = 10000;
  socket.OnConnectionFailed = [&](TPowersock&) { ++failed; };
  const SOCKET before = socket.SocketHandle();
  EXPECT_EQ(FailureOf([&] { socket.Connect(); }), L"Connection Failed");
  EXPECT_EQ(failed, 1);
  EXPECT_EQ(socket.SocketHandle(), before);
}

TEST(Powersock, DisconnectLeavesAFreshSocketForTheNextConnection) {
  TLocalServer server(SendAndHold(kFourBytes));
  int connects = 0;
  int disconnects = 0;
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  socket.OnConnect = [&](TPowersock&) { ++connects; };
  socket.OnDisconnect = [&](TPowersock&) { ++disconnects; };
  Aim(socket, server);
  socket.Connect();
  socket.Disconnect();
  EXPECT_FALSE(socket.Connected());
  EXPECT_NE(socket.SocketHandle(), INVALID_SOCKET);
  EXPECT_EQ(disconnects, 1);
  // The listener's backlog takes the second connection.
  socket.Connect();
  EXPECT_EQ(connects, 2);
}

TEST(Powersock, TransactionWritesALineAndReadsTheNumberedReply) {
  TLocalServer server(AnswerLines("220 ready\r\n"));
  std::vector<std::wstring> replies;
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  socket.ReportLevel = 1;
  socket.OnStatus = [&](TPowersock&, const std::wstring& text) { replies.push_back(text); };
  Aim(socket, server);
  socket.TimeOut = 10000;
  socket.Connect();
  EXPECT_EQ(socket.Transaction("HELO"), "220 ready\r\n");
  EXPECT_EQ(socket.ReplyNumber(), 220);
  EXPECT_EQ(replies, std::vector<std::wstring>{L"220 ready\r\n"});
  socket.Writeln("NOOP");
  EXPECT_EQ(socket.ReadLn(), "220 ready\r\n");
}

TEST(Powersock, ReadLnGivesAnEmptyLineWithoutAConnectionAndAbortsOnTheTimeOut) {
  FakeMessageBoxes boxes;
  TPowersock idle(boxes);
  EXPECT_EQ(idle.ReadLn(), "");

  TLocalServer server(StaySilent());
  TPowersock socket(boxes);
  Aim(socket, server);
  socket.Connect();
  socket.TimeOut = 200;
  EXPECT_EQ(FailureOf([&] { (void)socket.ReadLn(); }), L"Socket readln aborted");
}

TEST(Powersock, SendBufferToAPeerThatTakesNothingEndsByItsTimeOut) {
  TLocalServer server(StaySilent());
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  Aim(socket, server);
  socket.Connect();
  const int small = 4096;
  setsockopt(socket.SocketHandle(), SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char*>(&small),
             sizeof small);
  socket.TimeOut = 300;
  const std::string block(65535, 'x');
  std::wstring failure = L"(no failure)";
  // The peer's buffers fill after some megabytes at most.
  for (int i = 0; i < 2000 && failure == L"(no failure)"; ++i) {
    failure = FailureOf([&] { socket.SendBuffer(block.data(), 65535); });
  }
  EXPECT_EQ(failure, L"Socket send aborted");
  EXPECT_EQ(FailureOf([&] { socket.Write(std::string(65536, 'x')); }), L"Range check error");
}

TEST(Powersock, SocketErrorsBecomeTheirTextsExceptWouldBlock) {
  std::vector<std::uint16_t> reported;
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  socket.OnError = [&](TPowersock&, std::uint16_t code, const std::wstring&) {
    reported.push_back(code);
  };
  WSASetLastError(WSAECONNREFUSED);
  EXPECT_EQ(FailureOf([&] { socket.CheckSocketError(WSAEWOULDBLOCK); }),
            L"10061:Connection refused");
  EXPECT_EQ(reported, std::vector<std::uint16_t>{10061});
  WSASetLastError(WSAEWOULDBLOCK);
  EXPECT_EQ(FailureOf([&] { socket.CheckSocketError(WSAEWOULDBLOCK); }), L"(no failure)");
  EXPECT_EQ(socket.ErrorText(10099), L"Unknown Error No. 10099");
  socket.TimeOut = -1;
  EXPECT_EQ(FailureOf([&] { socket.TimerOn(); }), L"Range check error");
}

TEST(Powersock, AcceptTakesAnIncomingConnectionOrEndsByTheTimeOut) {
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  socket.TimeOut = 200;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(
      bind(socket.SocketHandle(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(socket.SocketHandle(), 1), 0);
  EXPECT_EQ(FailureOf([&] { (void)socket.Accept(); }), L"Accepting Canceled");

  int size = sizeof address;
  getsockname(socket.SocketHandle(), reinterpret_cast<sockaddr*>(&address), &size);
  const SOCKET client = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  ASSERT_EQ(connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  sockaddr_in clientAddress{};
  size = sizeof clientAddress;
  getsockname(client, reinterpret_cast<sockaddr*>(&clientAddress), &size);

  socket.TimeOut = 10000;
  const SOCKET accepted = socket.Accept();
  EXPECT_NE(accepted, INVALID_SOCKET);
  EXPECT_EQ(socket.RemoteAddress().sin_port, clientAddress.sin_port);
  closesocket(accepted);
  closesocket(client);
}

TEST(Powersock, NotificationHandlerFailuresOfTheProgramStayInsideOthersAreShown) {
  FakeMessageBoxes boxes;
  TPowersock socket(boxes);
  const auto notifyConnect = [&] {
    SendMessageW(socket.SocketWindow(), kSocketMessage, socket.SocketHandle(),
                 WSAMAKESELECTREPLY(FD_CONNECT, 0));
  };
  socket.OnConnect = [](TPowersock&) { throw ESockError(TSockFailure::ConnectionFailed); };
  notifyConnect();
  EXPECT_TRUE(boxes.errors.empty());
  socket.OnConnect = [](TPowersock&) { throw std::logic_error("接続の処理に誤りがあります"); };
  notifyConnect();
  EXPECT_EQ(boxes.errors, std::vector<std::wstring>{L"接続の処理に誤りがあります"});
}
