// The clock adjustment from the time server and the ten-minute NetTimer.

#include <windows.h>

#include "app/form/ControlIds.h"
#include "app/form/ZELK_win.h"
#include "net/TimeServers.h"

void TZELKForm::SetTimeServerHost() {
  // An index outside the table leaves the host as it was.
  if (const auto host = ::TimeServerHost(settings_.NTP)) timeServerHost_ = *host;
}

void TZELKForm::NetTimerTimer() {
  ApplyNetTimer(clockAdjuster_.NetTimerTimer(timeServerHost_, settings_.AJCLK));
}

void TZELKForm::ApplyNetTimer(TNetTimerChange change) {
  if (!Handle()) return;  // the window went while the request waited
  if (change == TNetTimerChange::Enable && !netTimerEnabled_) {
    netTimerEnabled_ = SetTimer(Handle(), kNetTimerId, kNetTimerInterval, nullptr) != 0;
  } else if (change == TNetTimerChange::Disable && netTimerEnabled_) {
    KillTimer(Handle(), kNetTimerId);
    netTimerEnabled_ = false;
  }
}

bool TZELKForm::ConfirmClock(const std::wstring& question) {
  return WithDialog([&] { return services_.MessageBoxes.Confirm(question); });
}

void TZELKForm::ShowClockNote(const std::wstring& note) { ShowStatusText(note); }
