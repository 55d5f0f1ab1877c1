#pragma once
// Seam for the window that receives the libraries' progress messages
// ("wm_arcextract") while an archive operation runs.

#include <functional>
#include <memory>

#include "archive/ArchiverTypes.h"

// Called with the message's State and record; returns true to ask the
// library to abort.
using TProgressHandler = std::function<bool(int state, void* info)>;

class IProgressWindow {
 public:
  virtual ~IProgressWindow() = default;
  [[nodiscard]] virtual TWindowHandle Handle() const = 0;
};

using TProgressWindowFactory =
    std::function<std::unique_ptr<IProgressWindow>(TProgressHandler handler)>;
