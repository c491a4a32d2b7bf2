#include "desktop/qt_end_signals.h"

#include <QSocketNotifier>
#include <unistd.h>

#include "platform/end_signals.h"

namespace tw {

EndSignals::EndSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  const int fd = PipeEndSignals();
  if (fd < 0) return;
  notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this, fd] {
    char bytes[64];
    while (::read(fd, bytes, sizeof bytes) > 0) {
    }
    onSignal_();
  });
}

}  // namespace tw
