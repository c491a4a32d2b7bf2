#pragma once
// One owner per data folder. A copy of the program claims its data folder by binding a socket in
// Linux's abstract namespace whose name is made from the folder's identity (its device and inode),
// so every path that leads to the folder, and every runtime folder, names the same socket. The
// kernel lets the name go however the owner ends (a kill -9 included), so nothing is ever left on
// disk. The owner listens there: another process sends one short line and gets one line back.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Longest request and answer, line feed included; a longer one is cut off unanswered.
inline constexpr size_t kMaxOwnerMessage = 4096;

class FolderOwner {
 public:
  ~FolderOwner();
  FolderOwner(const FolderOwner&) = delete;
  FolderOwner& operator=(const FolderOwner&) = delete;

  // The listening socket: readable when a request waits (for the event loop to watch).
  int fd() const { return fd_; }

  // Takes one waiting request, if any: reads its line (at most kMaxOwnerMessage bytes, for at most
  // readTimeoutMs), hands it without its line end to answer and sends back what answer returns, as
  // one line. A request from another user, too long, or not finished in time is closed unanswered.
  // False when no request was waiting.
  bool AnswerOne(const std::function<std::string(std::string_view request)>& answer,
                 int readTimeoutMs = 200);

 private:
  friend std::unique_ptr<FolderOwner> ClaimFolder(const std::string& folder);
  explicit FolderOwner(int fd) : fd_(fd) {}
  int fd_;
};

// The folder's identity, "<device>_<inode>", the same by every path that leads to it; empty when
// the folder cannot be looked at.
std::string FolderIdentity(const std::string& folder);

// Claims folder for this process: nothing when another live process owns it. A FileError when
// the folder cannot be looked at or no socket can be made.
std::unique_ptr<FolderOwner> ClaimFolder(const std::string& folder);

// Sends request (one line, without its line end) to the owner of folder and gives its answer
// (without the line end). Nothing when no process owns the folder, the owner is another user, or
// no whole answer came within timeoutMs.
std::optional<std::string> AskFolderOwner(const std::string& folder, std::string_view request,
                                          int timeoutMs);

}  // namespace tw
