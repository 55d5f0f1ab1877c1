#include "tests/net/LocalServer_win.h"

#include <chrono>

namespace {

sockaddr_in Loopback(std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}

std::uint16_t BoundPort(SOCKET socket) {
  sockaddr_in address{};
  int size = sizeof address;
  getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
  return ntohs(address.sin_port);
}

// Waits a little for the socket to become readable.
bool Readable(SOCKET socket) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(socket, &set);
  timeval wait{0, 20000};
  return select(0, &set, nullptr, nullptr, &wait) == 1;
}

void HoldUntilStopped(const std::atomic<bool>& stopping) {
  while (!stopping) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

void SendAll(SOCKET client, const std::string& bytes) {
  send(client, bytes.data(), static_cast<int>(bytes.size()), 0);
}

}  // namespace

TLocalServer::TLocalServer(TAnswer answer) : answer_(std::move(answer)) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  const sockaddr_in address = Loopback(0);
  bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  listen(listener_, 8);
  port_ = BoundPort(listener_);
  thread_ = std::thread([this] { Serve(); });
}

TLocalServer::~TLocalServer() {
  stopping_ = true;
  thread_.join();
  closesocket(listener_);
  WSACleanup();
}

void TLocalServer::Serve() {
  while (!stopping_) {
    if (!Readable(listener_)) continue;
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    ++accepted_;
    answer_(client, stopping_);
    closesocket(client);
  }
}

TLocalServer::TAnswer SendAndClose(std::string bytes) {
  return [bytes](SOCKET client, const std::atomic<bool>&) { SendAll(client, bytes); };
}

TLocalServer::TAnswer SendTwiceAndClose(std::string first, std::string rest) {
  return [first, rest](SOCKET client, const std::atomic<bool>&) {
    SendAll(client, first);
    // Either way the client must refuse the reply; the pause only makes a
    // separate segment likely.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    SendAll(client, rest);
  };
}

TLocalServer::TAnswer SendAndHold(std::string bytes) {
  return [bytes](SOCKET client, const std::atomic<bool>& stopping) {
    SendAll(client, bytes);
    HoldUntilStopped(stopping);
  };
}

TLocalServer::TAnswer StaySilent() {
  return [](SOCKET, const std::atomic<bool>& stopping) { HoldUntilStopped(stopping); };
}

TLocalServer::TAnswer AnswerLines(std::string reply) {
  return [reply](SOCKET client, const std::atomic<bool>& stopping) {
    while (!stopping) {
      if (!Readable(client)) continue;
      char bytes[512];
      const int received = recv(client, bytes, sizeof bytes, 0);
      if (received <= 0) return;
      for (int i = 0; i < received; ++i) {
        if (bytes[i] == '\n') SendAll(client, reply);
      }
    }
  };
}

std::uint16_t RefusingPort() {
  const SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  const sockaddr_in address = Loopback(0);
  bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  const std::uint16_t port = BoundPort(probe);
  closesocket(probe);
  return port;
}
