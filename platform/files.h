#pragma once
// The program's file operations. Every data file is opened and closed within one call; a file that
// is replaced is written whole to a scratch file beside it, flushed to disk and renamed over the
// target, so it is always either the old file or the new one. Failures are RunErrors (53 when the
// file does not exist).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/run_error.h"

namespace tw {

enum class FileStep { Open, Read, Write, Sync, Close, Rename, Remove, Lock };

// Called before each step; a nonzero errno value makes the step fail as if the system had refused it.
// Tests use it to make a chosen step fail, or to stop the process there.
using FileHook = std::function<int(FileStep step, const std::string& path)>;

class Files {
 public:
  // Reads a file front to back in large blocks.
  class Reader {
   public:
    Reader(Reader&& other) noexcept;
    Reader& operator=(Reader&&) = delete;
    ~Reader();
    // Up to size bytes; 0 at the end of the file.
    size_t Read(char* buffer, size_t size);
    // Makes the reading end after the file's last line end (LF, or CR), as the file stands now: a
    // last line still being written (or copied) is left out.
    void WholeLinesOnly();
    // Up to size bytes from offset on (fewer at the end of the file), wherever the reading stands.
    size_t ReadAt(std::uint64_t offset, char* buffer, size_t size);
    // How much a reading from the start may take: the file's last line end after WholeLinesOnly.
    std::uint64_t limit() const { return left_; }
    const std::string& path() const { return path_; }

    // What tells the file from another one of the same name, and whether it changed: its inode
    // and when it was made (an inode's number comes back after a file is removed), its size, and
    // when its content or inode last changed.
    struct Identity {
      std::uint64_t device = 0, inode = 0, size = 0;
      std::int64_t born = 0, changed = 0;  // nanoseconds; born 0 where the file system keeps none
      friend bool operator==(const Identity&, const Identity&) = default;
    };
    Identity Identify() const;

   private:
    friend class Files;
    Reader(const Files* files, std::string path, int fd) : files_(files), path_(std::move(path)), fd_(fd) {}
    const Files* files_;
    std::string path_;
    int fd_;
    std::uint64_t left_ = UINT64_MAX;  // bytes that may still be read
  };

  // Builds the new content of a file in a scratch file; Commit puts it in place in one step. A
  // replacement that is not committed removes its scratch file and leaves the target as it was.
  class Replacement {
   public:
    Replacement(Replacement&& other) noexcept;
    Replacement& operator=(Replacement&&) = delete;
    ~Replacement();
    void Write(std::string_view bytes);
    void Commit();

   private:
    friend class Files;
    Replacement(const Files* files, std::string target, std::string scratch, int fd);
    void Flush();
    const Files* files_;
    std::string target_;
    std::string scratch_;
    int fd_;
    std::string buffer_;
  };

  // An advisory lock, released when destroyed. LockFor's is held by every copy of the program that
  // changes a file: appends, rewrites and replacements of one file never run at the same time, so
  // none is lost to another's rename. It locks the file's folder (flock), so it leaves no file
  // behind and outlives the target's renames; one lock serves every file of the folder. A thread
  // that holds it already is given it again (a change that rewrites and then notes its step).
  class Lock {
   public:
    Lock(Lock&& other) noexcept;
    Lock& operator=(Lock&&) = delete;
    ~Lock();

   private:
    friend class Files;
    Lock(int fd, std::uint64_t device, std::uint64_t inode) : fd_(fd), device_(device), inode_(inode) {}
    int fd_;  // -1 where this thread held the folder's lock already
    std::uint64_t device_, inode_;
  };

  void SetHook(FileHook hook) { hook_ = std::move(hook); }

  // Waits until no other process holds the lock of target's folder, then holds it.
  Lock LockFor(const std::string& target) const;

  // True when path names an existing regular file.
  bool Exists(const std::string& path) const;
  // The file's size in bytes; 0 when there is none.
  std::uint64_t SizeOf(const std::string& path) const;
  std::string ReadAll(const std::string& path) const;
  Reader OpenRead(const std::string& path) const;
  // The last bytes of a file (all of it when it is shorter), without reading what comes before.
  std::string ReadTail(const std::string& path, size_t bytes) const;
  // Up to `bytes` bytes from `offset` on (fewer at the end of the file).
  std::string ReadAt(const std::string& path, std::uint64_t offset, size_t bytes) const;

  // Appends bytes at the end in one write and flushes them to disk, creating a missing file. When
  // the file's last byte is not a line end (LF or CR), CR LF goes first, so the bytes start a line
  // of their own. A failed write leaves the file as it was, or no file when there was none. The
  // result is where the bytes start in the file.
  std::uint64_t Append(const std::string& path, std::string_view bytes) const;

  Replacement BeginReplace(const std::string& target, const std::string& scratch) const;
  void Replace(const std::string& target, const std::string& scratch, std::string_view content) const;
  // Copies from over to, through the scratch file; 53 when from does not exist.
  void Copy(const std::string& from, const std::string& to, const std::string& scratch) const;
  // Renames from to to in one step (to is replaced), the folder flushed after.
  void Rename(const std::string& from, const std::string& to) const;
  void Remove(const std::string& path) const;

  // Runs the hook for a step and throws its error, if any.
  void Check(FileStep step, const std::string& path) const;

 private:
  FileHook hook_;
};

// Runs `action` and tells whether it failed only because a file is not there (error 53), which
// many routines take as an answer, not a failure. Other failures go on to the caller.
template <class Action>
bool FileMissing(Action&& action) {
  try {
    action();
    return false;
  } catch (const RunError& e) {
    if (e.number() != kErrFileNotFound) throw;
    return true;
  }
}

// A folder and a file name joined with the platform's separator.
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace tw
