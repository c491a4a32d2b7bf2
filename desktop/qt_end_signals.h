#pragma once
// The end signals (platform/end_signals.h) as a call on the user-interface thread.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tw {

class EndSignals : public QObject {
 public:
  // From now on SIGTERM, SIGHUP and SIGINT call onSignal from the event loop.
  explicit EndSignals(std::function<void()> onSignal);

 private:
  std::function<void()> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tw
