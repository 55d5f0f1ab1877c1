#include <gtest/gtest.h>

#include "net/PsockErrors.h"
#include "net/PsockTexts.h"

TEST(SocketErrorText, RowsGiveCodeAndTextOthersTheUnknownNumber) {
  EXPECT_EQ(SocketErrorText(10061), L"10061:Connection refused");
  EXPECT_EQ(SocketErrorText(10035), L"10035:Operation would block");
  EXPECT_EQ(SocketErrorText(10058), L"10058:Can't send after socket shutdown");
  EXPECT_EQ(SocketErrorText(11004), L"11004:Valid name, no data record of requested type");
  EXPECT_EQ(SocketErrorText(10099), L"Unknown Error No. 10099");
  EXPECT_EQ(SocketErrorText(-1), L"Unknown Error No. -1");
  EXPECT_EQ(SocketErrorText(0), L"");
}

TEST(PsockTexts, ReadStatusShowsTheCount) {
  EXPECT_EQ(ReadStatusText(0), L"Read( 0 )");
  EXPECT_EQ(ReadStatusText(65535), L"Read( 65535 )");
}

TEST(PsockTexts, ReplyNumberTakesAtMostTenLeadingDigits) {
  EXPECT_EQ(ReplyNumber("220 ready\r\n"), 220);
  EXPECT_EQ(ReplyNumber("ready 220"), 0);
  EXPECT_EQ(ReplyNumber(""), 0);
  EXPECT_EQ(ReplyNumber("65537"), 1);  // kept in 16 bits
  // The eleventh digit is not read: 1000000000 % 65536 = 51712 → -13824.
  EXPECT_EQ(ReplyNumber("10000000009"), -13824);
}

TEST(PsockTexts, WinsockInfoHasTheSixLines) {
  const auto lines = WinsockInfoLines({.Version = 0x0101,
                                       .HighVersion = 0x0202,
                                       .Description = "WinSock 2.0",
                                       .SystemStatus = "Running",
                                       .MaxSockets = 32767,
                                       .MaxUdpDg = 65467});
  const std::vector<std::wstring> expected = {
      L"Version= 1.1",    L"High Version= 2.2",  L"Description= WinSock 2.0",
      L"System= Running", L"Max Sockets= 32767", L"Max Udp pack size= 65467"};
  EXPECT_EQ(lines, expected);
}
