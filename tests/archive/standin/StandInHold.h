#pragma once
// The events through which a test holds a stand-in's command ("Hold" 1): the
// stand-in sets "held" when a command arrives and goes on once the test sets
// "released". Named per process, so that tests running at once keep apart.

#include <windows.h>

#include <string>

inline std::string StandInEventName(const char* what) {
  return "ZelkStandIn." + std::to_string(GetCurrentProcessId()) + "." + what;
}
