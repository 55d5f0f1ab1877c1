#include "net/Winsock_win.h"

#include <winsock2.h>

#include "net/PsockTexts.h"

namespace {
int userCount = 0;
}

TWinsockUser::TWinsockUser() {
  if (++userCount != 1) return;
  WSADATA data{};
  // Its result is not checked: a failed start shows in the first socket.
  WSAStartup(MAKEWORD(1, 1), &data);
  info_ = WinsockInfoLines({.Version = data.wVersion,
                            .HighVersion = data.wHighVersion,
                            .Description = data.szDescription,
                            .SystemStatus = data.szSystemStatus,
                            .MaxSockets = data.iMaxSockets,
                            .MaxUdpDg = data.iMaxUdpDg});
}

TWinsockUser::~TWinsockUser() {
  if (--userCount == 0) WSACleanup();
}

int TWinsockUser::Count() { return userCount; }
