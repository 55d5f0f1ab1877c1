#pragma once
// A TCP server of the test's own on 127.0.0.1 (a port the system picks),
// answering each connection on a thread of its own as told.

#include <winsock2.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

class TLocalServer {
 public:
  // What the server does with one accepted connection; it closes it after.
  using TAnswer = std::function<void(SOCKET client, const std::atomic<bool>& stopping)>;

  explicit TLocalServer(TAnswer answer);
  ~TLocalServer();
  TLocalServer(const TLocalServer&) = delete;
  TLocalServer& operator=(const TLocalServer&) = delete;

  [[nodiscard]] std::uint16_t Port() const { return port_; }
  [[nodiscard]] std::wstring Address() const { return L"127.0.0.1"; }
  [[nodiscard]] int Accepted() const { return accepted_; }

 private:
  void Serve();

  TAnswer answer_;
  SOCKET listener_ = INVALID_SOCKET;
  std::uint16_t port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> accepted_{0};
  std::thread thread_;
};

// Sends the bytes and closes.
[[nodiscard]] TLocalServer::TAnswer SendAndClose(std::string bytes);
// Sends the first bytes, then, a moment later as a segment of its own, the
// rest, and closes.
[[nodiscard]] TLocalServer::TAnswer SendTwiceAndClose(std::string first, std::string rest);
// Sends the bytes and keeps the connection open until the server stops.
[[nodiscard]] TLocalServer::TAnswer SendAndHold(std::string bytes);
// Accepts and says nothing until the server stops.
[[nodiscard]] TLocalServer::TAnswer StaySilent();
// Answers every line it receives with the reply.
[[nodiscard]] TLocalServer::TAnswer AnswerLines(std::string reply);

// A port on 127.0.0.1 where nothing listens: connections are refused.
[[nodiscard]] std::uint16_t RefusingPort();

// Keeps Winsock started for the test's own sockets.
class TTestWinsock {
 public:
  TTestWinsock() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~TTestWinsock() { WSACleanup(); }
  TTestWinsock(const TTestWinsock&) = delete;
  TTestWinsock& operator=(const TTestWinsock&) = delete;
};
