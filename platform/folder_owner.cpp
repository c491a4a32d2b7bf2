#include "platform/folder_owner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstddef>
#include <cstring>
#include <thread>
#include <utility>
#include <vector>
#include <algorithm>

#include "platform/product.h"
#include "platform/run_error.h"

namespace tw {
namespace {

using Clock = std::chrono::steady_clock;

// How many socket names a folder has: the first, and further ones for when another user holds a
// name first (the abstract namespace has no permissions, so anyone can bind any name).
constexpr int kNames = 4;
// The length before a message: decimal digits and a line feed.
constexpr size_t kMaxHeader = 24;

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

using Address = std::pair<sockaddr_un, socklen_t>;

// The folder's socket names in the abstract namespace (a leading zero byte, then the text), or
// none when the folder cannot be looked at.
std::optional<std::vector<Address>> AddressesOf(const std::string& folder, int* err) {
  struct stat st {};
  if (!Identify(folder, &st, err)) return std::nullopt;
  std::vector<Address> addresses;
  for (int i = 0; i < kNames; ++i) {
    std::string name = std::string(kProductName) + "/owner/" + std::to_string(::geteuid()) + "/" +
                       std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
    if (i > 0) name += "#" + std::to_string(i);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.data(), name.size());  // far shorter than sun_path
    addresses.emplace_back(address, static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size()));
  }
  return addresses;
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

// Whether the process at the other end runs as this user.
bool SameUser(int fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

// Exactly size bytes, or nothing when the other end stops first or the deadline passes.
bool ReadExactly(int fd, char* into, size_t size, Clock::time_point deadline) {
  while (size > 0) {
    const ssize_t n = ::recv(fd, into, size, 0);
    if (n > 0) {
      into += n;
      size -= static_cast<size_t>(n);
      continue;
    }
    if (n == 0) return false;
    if (errno == EINTR) continue;
    if ((errno != EAGAIN && errno != EWOULDBLOCK) || !WaitFor(fd, POLLIN, deadline)) return false;
  }
  return true;
}

// One message: its length in decimal and a line feed, then that many bytes. Nothing when it is
// longer than limit, malformed, or not whole by the deadline.
std::optional<std::string> ReadMessage(int fd, size_t limit, Clock::time_point deadline) {
  std::string header;
  for (char c = 0; c != '\n';) {
    if (header.size() >= kMaxHeader || !ReadExactly(fd, &c, 1, deadline)) return std::nullopt;
    header += c;
  }
  size_t size = 0;
  const char* last = header.data() + header.size() - 1;
  const auto [end, ec] = std::from_chars(header.data(), last, size);
  if (ec != std::errc() || end != last || size > limit) return std::nullopt;
  std::string text(size, '\0');
  if (!ReadExactly(fd, text.data(), size, deadline)) return std::nullopt;
  return text;
}

bool SendMessage(int fd, std::string_view text, Clock::time_point deadline) {
  const std::string header = std::to_string(text.size()) + "\n";
  for (std::string_view rest : {std::string_view(header), text}) {
    while (!rest.empty()) {
      const ssize_t n = ::send(fd, rest.data(), rest.size(), MSG_NOSIGNAL);
      if (n >= 0) {
        rest.remove_prefix(static_cast<size_t>(n));
        continue;
      }
      if (errno == EINTR) continue;
      if ((errno != EAGAIN && errno != EWOULDBLOCK) || !WaitFor(fd, POLLOUT, deadline)) return false;
    }
  }
  return true;
}

// Connects to a socket name: the connected socket, -1 when nothing listens there (errno says why).
int ConnectTo(const Address& address, Clock::time_point deadline) {
  Socket socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
  if (socket.fd < 0) return -1;
  // A full queue of waiting requests refuses at once (EAGAIN); the owner empties it soon.
  while (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&address.first), address.second) != 0) {
    if (errno == EINTR) continue;
    if (errno != EAGAIN || Remaining(deadline) == 0) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return std::exchange(socket.fd, -1);
}

// The folder's lock, taken without waiting: its descriptor, -1 while another process holds it, or
// -2 where no lock file can be made (a folder this user cannot write: the socket alone decides).
int TakeLock(const std::string& folder) {
  const std::string path = folder + "/" + kOwnerLockFile;
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return errno == EACCES || errno == EROFS || errno == EPERM ? -2 : -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
  ::close(fd);
  return -1;
}

}  // namespace

std::string FolderIdentity(const std::string& folder) {
  struct stat st {};
  int err = 0;
  if (!Identify(folder, &st, &err)) return "";
  return std::to_string(st.st_dev) + "_" + std::to_string(st.st_ino);
}

OwnerRequest::OwnerRequest(OwnerRequest&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), text_(std::move(other.text_)) {}

OwnerRequest::~OwnerRequest() {
  if (fd_ >= 0) ::close(fd_);
}

bool OwnerRequest::Answer(std::string_view answer, int timeoutMs) {
  if (fd_ < 0) return false;
  const bool sent = SendMessage(fd_, answer, Clock::now() + std::chrono::milliseconds(timeoutMs));
  ::close(std::exchange(fd_, -1));
  return sent;
}

FolderOwner::~FolderOwner() {
  if (fd_ >= 0) ::close(fd_);
  if (lockFd_ >= 0) ::close(lockFd_);
}

std::optional<OwnerRequest> FolderOwner::Take(int readTimeoutMs) {
  if (fd_ < 0) return std::nullopt;
  Socket client{::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)};
  if (client.fd < 0) return std::nullopt;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(readTimeoutMs);
  if (!SameUser(client.fd)) return std::nullopt;
  std::optional<std::string> request = ReadMessage(client.fd, kMaxOwnerRequest, deadline);
  if (!request) return std::nullopt;
  return OwnerRequest(std::exchange(client.fd, -1), std::move(*request));
}

bool FolderOwner::AnswerOne(const std::function<std::string(std::string_view)>& answer, int readTimeoutMs) {
  pollfd waiting{fd_, POLLIN, 0};
  if (fd_ < 0 || ::poll(&waiting, 1, 0) <= 0) return false;
  std::optional<OwnerRequest> request = Take(readTimeoutMs);
  if (!request) return true;
  std::string reply;
  try {
    reply = answer(request->text());
  } catch (...) {
    return true;  // closed unanswered: the asker learns the answer was lost, and sends nothing again
  }
  request->Answer(reply);
  return true;
}

std::unique_ptr<FolderOwner> ClaimFolder(const std::string& folder, int waitMs, bool listen) {
  int err = 0;
  const auto addresses = AddressesOf(folder, &err);
  if (!addresses) throw FileError(err);
  const std::string identity = FolderIdentity(folder);
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(waitMs);
  for (;;) {
    const int lock = TakeLock(folder);
    if (lock != -1) {
      Socket held{lock >= 0 ? lock : -1};
      if (!listen && held.fd >= 0) return std::unique_ptr<FolderOwner>(new FolderOwner(-1, std::exchange(held.fd, -1), identity));
      for (const Address& address : *addresses) {
        Socket socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)};
        if (socket.fd < 0) throw FileError(errno);
        if (::bind(socket.fd, reinterpret_cast<const sockaddr*>(&address.first), address.second) == 0) {
          if (::listen(socket.fd, 16) != 0) throw FileError(errno);
          return std::unique_ptr<FolderOwner>(new FolderOwner(std::exchange(socket.fd, -1), std::exchange(held.fd, -1), identity));
        }
        if (errno != EADDRINUSE) throw FileError(errno);
        // Held by a process of this user: that one owns the folder. Another user's is passed over.
        Socket other{ConnectTo(address, Clock::now() + std::chrono::milliseconds(200))};
        if (other.fd >= 0 && SameUser(other.fd)) break;
      }
    }
    if (Remaining(deadline) == 0) return nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(20, Remaining(deadline))));
  }
}

OwnerAnswer AskFolderOwner(const std::string& folder, std::string_view request, int timeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  int err = 0;
  const auto addresses = AddressesOf(folder, &err);
  if (!addresses) return {};
  for (const Address& address : *addresses) {
    Socket socket{ConnectTo(address, deadline)};
    if (socket.fd < 0) return {};  // the owner binds the first name free, so none is further on
    if (!SameUser(socket.fd)) continue;
    if (!SendMessage(socket.fd, request, deadline)) return {OwnerAnswer::kLost, ""};
    std::optional<std::string> answer = ReadMessage(socket.fd, kMaxOwnerAnswer, deadline);
    if (!answer) return {OwnerAnswer::kLost, ""};
    return {OwnerAnswer::kAnswered, std::move(*answer)};
  }
  return {};
}

}  // namespace tw
