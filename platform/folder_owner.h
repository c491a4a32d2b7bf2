#pragma once
// One owner per data folder. A copy of the program claims its data folder twice over: it locks
// ".tallywright.lock" in the folder (flock: no second process anywhere on the machine, in any
// sandbox, holds it at once) and binds a socket in Linux's abstract namespace whose name is made
// from the user and the folder's identity (its device and inode), so every path that leads to the
// folder, and every runtime folder, names the same socket. The kernel lets both go however the
// owner ends (a kill -9 included). The owner listens on the socket: another process of the same
// user sends one request and gets one answer back, each framed by its length, so no value is ever
// cut.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The lock file in the data folder, private to the user; empty, never written.
inline constexpr const char* kOwnerLockFile = ".tallywright.lock";
// Longest request and answer the socket carries: far more than any request or answer needs (a
// project list of a hundred thousand names), so a limit is met only by a stranger's bytes.
inline constexpr size_t kMaxOwnerRequest = size_t{1} << 20;
inline constexpr size_t kMaxOwnerAnswer = size_t{64} << 20;

// A request taken from the socket, answered once (or closed unanswered when dropped).
class OwnerRequest {
 public:
  OwnerRequest(int fd, std::string text) : fd_(fd), text_(std::move(text)) {}
  OwnerRequest(OwnerRequest&& other) noexcept;
  OwnerRequest& operator=(OwnerRequest&&) = delete;
  ~OwnerRequest();
  const std::string& text() const { return text_; }
  // Sends the answer, whole; false when the asker is gone or does not read it within timeoutMs.
  bool Answer(std::string_view answer, int timeoutMs = 5000);

 private:
  int fd_;
  std::string text_;
};

class FolderOwner {
 public:
  ~FolderOwner();
  FolderOwner(const FolderOwner&) = delete;
  FolderOwner& operator=(const FolderOwner&) = delete;

  // The listening socket: readable when a request waits (for poll or an event loop to watch).
  int fd() const { return fd_; }

  // Takes one waiting request, if any, reading it for at most readTimeoutMs: nothing when none
  // waits, and nothing for one from another user, one too long, or one not finished in time (each
  // closed unanswered).
  std::optional<OwnerRequest> Take(int readTimeoutMs = 200);
  // Take, then sends back what answer returns. False when no request was waiting.
  bool AnswerOne(const std::function<std::string(std::string_view request)>& answer, int readTimeoutMs = 200);
  // The identity of the folder claimed (FolderIdentity), as it was when the claim was made.
  const std::string& identity() const { return identity_; }

 private:
  friend std::unique_ptr<FolderOwner> ClaimFolder(const std::string& folder, int waitMs, bool listen);
  FolderOwner(int fd, int lockFd, std::string identity) : fd_(fd), lockFd_(lockFd), identity_(std::move(identity)) {}
  int fd_;
  int lockFd_;
  std::string identity_;
};

// The folder's identity, "<device>_<inode>", the same by every path that leads to it; empty when
// the folder cannot be looked at.
std::string FolderIdentity(const std::string& folder);

// Claims folder for this process: nothing when another live process holds it (also one in another
// network namespace, by the lock) after waitMs of trying again, so that a claim held for a moment
// (tallywright-ctl at work on the folder) is waited out. A name held by another user is passed
// over. A FileError when the folder cannot be looked at or no socket can be made. Without listen
// only the lock is taken (fd() is then -1): a claim held for a moment by a process that answers no
// request, so that a program starting meanwhile finds no owner to hand over to and waits its turn.
std::unique_ptr<FolderOwner> ClaimFolder(const std::string& folder, int waitMs = 0, bool listen = true);

// What asking the owner of a folder came to.
struct OwnerAnswer {
  enum Outcome {
    kNoOwner,   // no process of this user owns the folder: nothing was sent
    kLost,      // the request went out (or may have) and no whole answer came back in time
    kAnswered,
  };
  Outcome outcome = kNoOwner;
  std::string text;
};

// Sends request to the owner of folder and gives its answer.
OwnerAnswer AskFolderOwner(const std::string& folder, std::string_view request, int timeoutMs);

}  // namespace tw
