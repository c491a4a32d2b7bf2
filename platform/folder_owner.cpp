#include "platform/folder_owner.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <thread>
#include <utility>

#include "platform/product.h"
#include "platform/run_error.h"

namespace tw {
namespace {

using Clock = std::chrono::steady_clock;

struct Socket {
  int fd;
  ~Socket() {
    if (fd >= 0) ::close(fd);
  }
};

bool Identify(const std::string& folder, struct stat* st, int* err) {
  if (::stat(folder.c_str(), st) != 0) {
    *err = errno;
    return false;
  }
  if (!S_ISDIR(st->st_mode)) {
    *err = ENOTDIR;
    return false;
  }
  return true;
}

// The folder's socket name in the abstract namespace (a leading zero byte, then the text), or
// nothing when the folder cannot be looked at.
std::optional<std::pair<sockaddr_un, socklen_t>> AddressOf(const std::string& folder, int* err) {
  struct stat st {};
  if (!Identify(folder, &st, err)) return std::nullopt;
  const std::string name = std::string(kProductName) + "/owner/" + std::to_string(st.st_dev) + ":" +
                           std::to_string(st.st_ino);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, name.data(), name.size());  // far shorter than sun_path
  return std::pair{address, static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size())};
}

// Milliseconds left until deadline, 0 once it has passed.
int Remaining(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

bool WaitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd p{fd, events, 0};
    const int n = ::poll(&p, 1, Remaining(deadline));
    if (n > 0) return true;
    if (n == 0 || errno != EINTR) return false;
  }
}

// Whether the process at the other end runs as this user: the abstract namespace has no
// permissions, so anyone on the machine could connect or answer.
bool SameUser(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

// One line (without its line end, a CR before the LF dropped too), or what came before the other
// end stopped sending. Nothing when it grows too long or is not there by the deadline.
std::optional<std::string> ReadLine(int fd, Clock::time_point deadline) {
  std::string line;
  char block[512];
  for (;;) {
    const ssize_t n = ::recv(fd, block, sizeof block, 0);
    if (n > 0) {
      line.append(block, static_cast<size_t>(n));
      const size_t end = line.find('\n');
      if (end != std::string::npos) {
        line.resize(end);
        break;
      }
      if (line.size() >= kMaxOwnerMessage) return std::nullopt;
      continue;
    }
    if (n == 0) {
      if (line.empty()) return std::nullopt;
      break;
    }
    if (errno == EINTR) continue;
    if ((errno != EAGAIN && errno != EWOULDBLOCK) || !WaitFor(fd, POLLIN, deadline))
      return std::nullopt;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

bool SendLine(int fd, std::string_view text, Clock::time_point deadline) {
  std::string line(text.substr(0, std::min(text.find('\n'), kMaxOwnerMessage - 1)));
  line += '\n';
  std::string_view rest = line;
  while (!rest.empty()) {
    const ssize_t n = ::send(fd, rest.data(), rest.size(), MSG_NOSIGNAL);
    if (n >= 0) {
      rest.remove_prefix(static_cast<size_t>(n));
      continue;
    }
    if (errno == EINTR) continue;
    if ((errno != EAGAIN && errno != EWOULDBLOCK) || !WaitFor(fd, POLLOUT, deadline)) return false;
  }
  return true;
}

}  // namespace

std::string FolderIdentity(const std::string& folder) {
  struct stat st {};
  int err = 0;
  if (!Identify(folder, &st, &err)) return "";
  return std::to_string(st.st_dev) + "_" + std::to_string(st.st_ino);
}

FolderOwner::~FolderOwner() { ::close(fd_); }

bool FolderOwner::AnswerOne(const std::function<std::string(std::string_view)>& answer,
                            int readTimeoutMs) {
  Socket client{::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)};
  if (client.fd < 0) return false;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(readTimeoutMs);
  if (!SameUser(client.fd)) return true;
  const std::optional<std::string> request = ReadLine(client.fd, deadline);
  if (!request) return true;
  std::string reply;
  try {
    reply = answer(*request);
  } catch (...) {
    return true;  // a request the owner could not answer is closed; the owner goes on
  }
  SendLine(client.fd, reply, deadline);
  return true;
}

std::unique_ptr<FolderOwner> ClaimFolder(const std::string& folder) {
  int err = 0;
  const auto address = AddressOf(folder, &err);
  if (!address) throw FileError(err);
  Socket socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
  if (socket.fd < 0) throw FileError(errno);
  if (::bind(socket.fd, reinterpret_cast<const sockaddr*>(&address->first), address->second) != 0) {
    if (errno == EADDRINUSE) return nullptr;
    throw FileError(errno);
  }
  if (::listen(socket.fd, 16) != 0) throw FileError(errno);
  return std::unique_ptr<FolderOwner>(new FolderOwner(std::exchange(socket.fd, -1)));
}

std::optional<std::string> AskFolderOwner(const std::string& folder, std::string_view request,
                                          int timeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  int err = 0;
  const auto address = AddressOf(folder, &err);
  if (!address) return std::nullopt;
  Socket socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
  if (socket.fd < 0) return std::nullopt;
  // A full queue of waiting requests refuses at once (EAGAIN); the owner empties it soon.
  while (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address->first), address->second) != 0) {
    if (errno == EINTR) continue;
    if (errno != EAGAIN || Remaining(deadline) == 0) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (!SameUser(socket.fd) || !SendLine(socket.fd, request, deadline)) return std::nullopt;
  return ReadLine(socket.fd, deadline);
}

}  // namespace tw
