#include "platform/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

namespace tw {
namespace {

int writeEnd = -1;

void OnEndSignal(int signal) {
  const int saved = errno;
  const char byte = static_cast<char>(signal);
  // A full pipe already holds a request to end; one more would add nothing.
  [[maybe_unused]] const ssize_t n = ::write(writeEnd, &byte, 1);
  errno = saved;
}

}  // namespace

int PipeEndSignals() {
  int ends[2];
  if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0) return -1;
  writeEnd = ends[1];
  struct sigaction action {};
  action.sa_handler = OnEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
  return ends[0];
}

}  // namespace tw
