#include "platform/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <map>
#include <utility>
#include <vector>


namespace tw {
namespace {

constexpr size_t kBlockSize = 1 << 20;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes a rename durable: the folder's entry is on disk once this returns.
// The mode a new file of the folder is made with: the user's alone, unless the folder is one a
// group shares (its set-group-ID bit set), where the group may read and write it too.
mode_t NewFileMode(const std::string& path) {
  struct stat st {};
  if (::stat(FolderOf(path).c_str(), &st) == 0 && (st.st_mode & S_ISGID)) return 0660;
  return 0600;
}

void SyncFolder(const std::string& path) {
  const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

void Files::Check(FileStep step, const std::string& path) const {
  if (!hook_) return;
  if (const int err = hook_(step, path)) throw FileError(err);
}

// --- locking ---------------------------------------------------------------------------------

namespace {

// The folders this thread holds the lock of, by device and inode, and how many times.
thread_local std::map<std::pair<std::uint64_t, std::uint64_t>, int> heldLocks;

}  // namespace

Files::Lock::Lock(Lock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), device_(std::exchange(other.device_, 0)), inode_(std::exchange(other.inode_, 0)) {}

Files::Lock::~Lock() {
  if (device_ == 0 && inode_ == 0) return;  // moved from
  const auto at = heldLocks.find({device_, inode_});
  if (at != heldLocks.end() && --at->second == 0) heldLocks.erase(at);
  if (fd_ >= 0) ::close(fd_);  // closing the last descriptor releases the lock
}

namespace {

// Locks an open folder, waiting while another process holds it. The descriptor is closed unless
// locked.
void TakeLock(int fd) {
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno == EINTR) continue;
    const int err = errno;
    ::close(fd);
    throw FileError(err);
  }
}

}  // namespace

Files::Lock Files::LockFor(const std::string& target) const {
  Check(FileStep::Lock, target);
  // The folder itself is locked: a rename replaces the target, and a lock file would be left
  // beside the user's data.
  const int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) throw FileError(errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    throw FileError(err);
  }
  const std::pair<std::uint64_t, std::uint64_t> key{st.st_dev, st.st_ino};
  if (const auto at = heldLocks.find(key); at != heldLocks.end()) {
    // A second lock on the same folder would wait for this thread's own first one for ever.
    ::close(fd);
    ++at->second;
    return Lock(-1, key.first, key.second);
  }
  TakeLock(fd);
  heldLocks[key] = 1;
  return Lock(fd, key.first, key.second);
}

// --- reading -----------------------------------------------------------------------------------

Files::Reader::Reader(Reader&& other) noexcept
    : files_(other.files_), path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)), left_(other.left_) {}

Files::Reader::~Reader() {
  if (fd_ >= 0) ::close(fd_);
}

size_t Files::Reader::Read(char* buffer, size_t size) {
  files_->Check(FileStep::Read, path_);
  if (size > left_) size = static_cast<size_t>(left_);
  if (size == 0) return 0;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, size);
    if (n >= 0) {
      left_ -= static_cast<std::uint64_t>(n);
      return static_cast<size_t>(n);
    }
    if (errno != EINTR) throw FileError(errno);
  }
}

void Files::Reader::WholeLinesOnly() {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) throw FileError(errno);
  std::vector<char> block(1 << 16);
  for (off_t end = st.st_size; end > 0;) {
    const off_t from = end > static_cast<off_t>(block.size()) ? end - static_cast<off_t>(block.size()) : 0;
    const ssize_t n = ::pread(fd_, block.data(), static_cast<size_t>(end - from), from);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw FileError(n < 0 ? errno : EIO);
    for (ssize_t i = n; i > 0; --i)
      if (block[static_cast<size_t>(i - 1)] == '\n' || block[static_cast<size_t>(i - 1)] == '\r') {
        left_ = static_cast<std::uint64_t>(from + i);
        return;
      }
    end = from;
  }
  left_ = 0;
}

bool Files::Exists(const std::string& path) const {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

Files::Reader Files::OpenRead(const std::string& path) const {
  Check(FileStep::Open, path);
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileError(errno);
  return Reader(this, path, fd);
}

std::string Files::ReadAll(const std::string& path) const {
  Reader reader = OpenRead(path);
  std::string content;
  std::string block(kBlockSize, '\0');
  while (const size_t n = reader.Read(block.data(), block.size())) content.append(block, 0, n);
  return content;
}

std::string Files::ReadTail(const std::string& path, size_t bytes) const {
  Reader reader = OpenRead(path);
  struct stat st {};
  if (::fstat(reader.fd_, &st) != 0) throw FileError(errno);
  const off_t from = st.st_size > static_cast<off_t>(bytes) ? st.st_size - static_cast<off_t>(bytes) : 0;
  if (::lseek(reader.fd_, from, SEEK_SET) < 0) throw FileError(errno);
  std::string tail(static_cast<size_t>(st.st_size - from), '\0');
  size_t got = 0;
  while (got < tail.size()) {
    const size_t n = reader.Read(tail.data() + got, tail.size() - got);
    if (n == 0) break;
    got += n;
  }
  tail.resize(got);
  return tail;
}

std::string Files::ReadAt(const std::string& path, std::uint64_t offset, size_t bytes) const {
  Reader reader = OpenRead(path);
  std::string text(bytes, '\0');
  text.resize(reader.ReadAt(offset, text.data(), bytes));
  return text;
}

size_t Files::Reader::ReadAt(std::uint64_t offset, char* buffer, size_t size) {
  size_t got = 0;
  while (got < size) {
    files_->Check(FileStep::Read, path_);
    const ssize_t n = ::pread(fd_, buffer + got, size - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw FileError(errno);
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return got;
}

Files::Reader::Identity Files::Reader::Identify() const {
  struct statx st {};
  if (::statx(fd_, "", AT_EMPTY_PATH, STATX_BASIC_STATS | STATX_BTIME, &st) != 0) throw FileError(errno);
  const auto nanoseconds = [](const statx_timestamp& t) { return t.tv_sec * 1'000'000'000 + t.tv_nsec; };
  Identity id;
  id.device = (std::uint64_t{st.stx_dev_major} << 32) | st.stx_dev_minor;
  id.inode = st.stx_ino;
  id.size = st.stx_size;
  id.born = (st.stx_mask & STATX_BTIME) ? nanoseconds(st.stx_btime) : 0;
  id.changed = nanoseconds(st.stx_ctime);
  return id;
}

// --- appending ---------------------------------------------------------------------------------

std::uint64_t Files::Append(const std::string& path, std::string_view bytes) const {
  Check(FileStep::Open, path);
  // Whether this append makes the file: if it fails, the file goes again, so a full disk leaves
  // no empty file behind (a crash log that could not be written, say).
  bool created = false;
  int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) {
    fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, NewFileMode(path));
    created = fd >= 0;
    if (fd < 0 && errno == EEXIST) fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
  }
  if (fd < 0) throw FileError(errno);
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};

  struct stat st {};
  if (::fstat(fd, &st) != 0) throw FileError(errno);
  std::string line;
  if (st.st_size > 0) {
    char last = '\n';
    if (::pread(fd, &last, 1, st.st_size - 1) != 1) throw FileError(errno ? errno : EIO);
    if (last != '\n' && last != '\r') line = "\r\n";
  }
  line.append(bytes);

  // Whatever fails after the write starts, the file goes back to its old length, or away.
  auto undo = [&](int err) {
    if (created)
      ::unlink(path.c_str());
    else if (::ftruncate(fd, st.st_size) == 0)
      ::fsync(fd);
    return FileError(err);
  };
  if (const int err = hook_ ? hook_(FileStep::Write, path) : 0) throw undo(err);
  if (!WriteAll(fd, line)) throw undo(errno);
  if (const int err = hook_ ? hook_(FileStep::Sync, path) : 0) throw undo(err);
  if (::fsync(fd) != 0) throw undo(errno);
  if (const int err = hook_ ? hook_(FileStep::Close, path) : 0) throw undo(err);
  // A new file is only there after a power cut once its folder's entry is on disk too.
  if (created) SyncFolder(path);
  return static_cast<std::uint64_t>(st.st_size) + (line.size() - bytes.size());
}

// --- replacing ---------------------------------------------------------------------------------

Files::Replacement::Replacement(const Files* files, std::string target, std::string scratch, int fd)
    : files_(files), target_(std::move(target)), scratch_(std::move(scratch)), fd_(fd) {
  buffer_.reserve(kBlockSize);
}

Files::Replacement::Replacement(Replacement&& other) noexcept
    : files_(other.files_),
      target_(std::move(other.target_)),
      scratch_(std::move(other.scratch_)),
      fd_(std::exchange(other.fd_, -1)),
      buffer_(std::move(other.buffer_)) {}

Files::Replacement::~Replacement() {
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(scratch_.c_str());
  }
}

void Files::Replacement::Flush() {
  if (buffer_.empty()) return;
  files_->Check(FileStep::Write, scratch_);
  if (!WriteAll(fd_, buffer_)) throw FileError(errno);
  buffer_.clear();
}

void Files::Replacement::Write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kBlockSize) Flush();
  if (bytes.size() >= kBlockSize) {
    files_->Check(FileStep::Write, scratch_);
    if (!WriteAll(fd_, bytes)) throw FileError(errno);
    return;
  }
  buffer_.append(bytes);
}

void Files::Replacement::Commit() {
  Flush();
  files_->Check(FileStep::Sync, scratch_);
  if (::fsync(fd_) != 0) throw FileError(errno);
  files_->Check(FileStep::Close, scratch_);
  const int fd = std::exchange(fd_, -1);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(scratch_.c_str());
    throw FileError(err);
  }
  try {
    files_->Check(FileStep::Rename, target_);
  } catch (...) {
    ::unlink(scratch_.c_str());
    throw;
  }
  if (::rename(scratch_.c_str(), target_.c_str()) != 0) {
    const int err = errno;
    ::unlink(scratch_.c_str());
    throw FileError(err);
  }
  SyncFolder(target_);
}

Files::Replacement Files::BeginReplace(const std::string& target, const std::string& scratch) const {
  Check(FileStep::Open, scratch);
  // The scratch name is ours: whatever stands there (a file left by a crash, or a link someone
  // put there) goes, and the new file is created afresh without following links.
  if (::unlink(scratch.c_str()) != 0 && errno != ENOENT) throw FileError(errno);
  // The new file keeps the mode (and, where it may, the owner) of the one it replaces.
  struct stat old {};
  const bool replaces = ::stat(target.c_str(), &old) == 0;
  const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        replaces ? (old.st_mode & 07777) : NewFileMode(target));
  if (fd < 0) throw FileError(errno);
  if (replaces) {
    // Not limited by the umask, as the open was.
    if (::fchmod(fd, old.st_mode & 07777) != 0 || ::fchown(fd, old.st_uid, old.st_gid) != 0) {
      // Another user's file may keep its owner only where this process may give it; the mode is
      // this process's own to set, so what is left is the owner, which cannot matter here.
    }
  }
  return Replacement(this, target, scratch, fd);
}

void Files::Replace(const std::string& target, const std::string& scratch,
                    std::string_view content) const {
  Replacement r = BeginReplace(target, scratch);
  r.Write(content);
  r.Commit();
}

void Files::Copy(const std::string& from, const std::string& to, const std::string& scratch) const {
  Reader reader = OpenRead(from);
  Replacement r = BeginReplace(to, scratch);
  std::string block(kBlockSize, '\0');
  while (const size_t n = reader.Read(block.data(), block.size())) r.Write({block.data(), n});
  r.Commit();
}

std::uint64_t Files::SizeOf(const std::string& path) const {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
}

void Files::Rename(const std::string& from, const std::string& to) const {
  Check(FileStep::Rename, to);
  if (::rename(from.c_str(), to.c_str()) != 0) throw FileError(errno);
  SyncFolder(to);
}

void Files::Remove(const std::string& path) const {
  Check(FileStep::Remove, path);
  if (::unlink(path.c_str()) != 0) throw FileError(errno);
}

}  // namespace tw
