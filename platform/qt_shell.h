#pragma once
// The notification-area icon and bringing a window to the front.
#include "platform/notify_icon.h"

namespace tw {

class QtShell : public Shell {
 public:
  bool Shell_NotifyIconA(std::uint32_t message, const NOTIFYICONDATA& data) override;
  bool SetForegroundWindow(std::uint32_t window) override;
};

}  // namespace tw
