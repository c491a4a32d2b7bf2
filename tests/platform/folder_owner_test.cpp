// One owner per data folder: claimed by identity and lock, freed on any end, never another user's, one request at a time.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <future>

#include "platform/folder_owner.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

// Runs child in its own process, which says "y" once ready and waits to be let go or killed; the parent's pipe ends.
struct Child {
  pid_t pid = -1;
  int ready = -1, go = -1;
  template <class Body>
  explicit Child(Body body) {
    int up[2], down[2];
    if (::pipe(up) != 0 || ::pipe(down) != 0) return;
    pid = ::fork();
    if (pid == 0) {
      if (body() && ::write(up[1], "y", 1) == 1) {
        char c;
        (void)!::read(down[0], &c, 1);
      }
      ::_exit(0);
    }
    ready = up[0], go = down[1];
  }
  bool Ready() {
    char c = 0;
    return ::read(ready, &c, 1) == 1 && c == 'y';
  }
  void LetGo() {
    (void)!::write(go, "g", 1);
    ::waitpid(pid, nullptr, 0);
  }
};

// Runs the owner's side until the asker has its answer.
OwnerAnswer AskAndAnswer(FolderOwner& owner, const std::string& folder, std::string_view request,
                         const std::function<std::string(std::string_view)>& answer) {
  auto asked = std::async(std::launch::async, [&] { return AskFolderOwner(folder, request, 5000); });
  while (asked.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) owner.AnswerOne(answer);
  return asked.get();
}

TEST(FolderOwner, EverySpellingOfTheFolderHasOneOwnerFreedByAnyEnd) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder.File("data"));
  std::filesystem::create_directory_symlink(folder.File("data"), folder.File("link"));
  {
    const std::unique_ptr<FolderOwner> owner = ClaimFolder(folder.File("data"));
    ASSERT_TRUE(owner);
    for (const char* spelling : {"data", "data/", "data/../data", "link"})
      EXPECT_FALSE(ClaimFolder(folder.File(spelling))) << spelling;
    EXPECT_TRUE(ClaimFolder(folder.path()));  // another folder, another owner
  }
  // A copy killed with SIGKILL frees the folder at once; on disk only the private lock file stays.
  Child killed([&] { return ClaimFolder(folder.File("link")).release() != nullptr; });
  ASSERT_TRUE(killed.Ready());
  EXPECT_FALSE(ClaimFolder(folder.File("data")));
  ::kill(killed.pid, SIGKILL);
  ::waitpid(killed.pid, nullptr, 0);
  EXPECT_TRUE(ClaimFolder(folder.File("data")));
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(folder.File("data")))
    left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{kOwnerLockFile});
  struct stat st {};
  ASSERT_EQ(::stat(folder.File(std::string("data/") + kOwnerLockFile).c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_THROW(ClaimFolder(folder.File("absent")), RunError);
}

// The lock alone keeps a second owner out; a claim held for a moment is waited out and then taken.
TEST(FolderOwner, TheLockKeepsOutAndABriefClaimIsWaitedOut) {
  test::TempFolder folder;
  const std::string lockPath = folder.File(kOwnerLockFile);
  Child locker([&] {
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
    return fd >= 0 && ::flock(fd, LOCK_EX) == 0;
  });
  ASSERT_TRUE(locker.Ready());
  EXPECT_FALSE(ClaimFolder(folder.path()));
  EXPECT_EQ(AskFolderOwner(folder.path(), "show", 200).outcome, OwnerAnswer::kNoOwner);
  auto waited = std::async(std::launch::async, [&] { return ClaimFolder(folder.path(), 5000) != nullptr; });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  locker.LetGo();
  EXPECT_TRUE(waited.get());
}

// Another user's process bound first to the socket's name is passed over, and the owner still found.
TEST(FolderOwner, ANameHeldByAnotherUserIsNeverTakenAsTheOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  test::TempFolder folder;
  std::unique_ptr<FolderOwner> probe = ClaimFolder(folder.path());
  sockaddr_un address{};
  socklen_t length = sizeof address;
  ASSERT_EQ(::getsockname(probe->fd(), reinterpret_cast<sockaddr*>(&address), &length), 0);
  const std::string name(address.sun_path + 1, length - offsetof(sockaddr_un, sun_path) - 1);
  EXPECT_NE(name.find("/0/"), std::string::npos) << name;  // root's uid in the name
  probe.reset();
  Child stranger([&] {
    if (::setuid(65534) != 0) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    return ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0 && ::listen(fd, 4) == 0;
  });
  ASSERT_TRUE(stranger.Ready());
  EXPECT_EQ(AskFolderOwner(folder.path(), "show", 300).outcome, OwnerAnswer::kNoOwner);
  const std::unique_ptr<FolderOwner> owner = ClaimFolder(folder.path());
  ASSERT_TRUE(owner);
  const OwnerAnswer answer =
      AskAndAnswer(*owner, folder.path(), "show", [](std::string_view line) { return "owner heard " + std::string(line); });
  EXPECT_EQ(answer.outcome, OwnerAnswer::kAnswered);
  EXPECT_EQ(answer.text, "owner heard show");
  stranger.LetGo();
}

TEST(FolderOwner, ARequestAndItsAnswerArriveWholeWhateverTheyHold) {
  test::TempFolder folder;
  EXPECT_EQ(AskFolderOwner(folder.path(), "show", 500).outcome, OwnerAnswer::kNoOwner);
  const std::unique_ptr<FolderOwner> owner = ClaimFolder(folder.path());
  EXPECT_FALSE(owner->AnswerOne([](std::string_view) { return ""; }));  // nothing waiting
  std::string heard;
  const OwnerAnswer shown = AskAndAnswer(*owner, folder.path() + "/.", "show", [&](std::string_view line) {
    heard = line;
    return "first\nsecond";
  });
  EXPECT_EQ(heard, "show");
  EXPECT_EQ(shown.text, "first\nsecond");
  // Long values, line ends and multi-byte characters inside, both ways.
  std::string big;
  for (int i = 0; i < 20000; ++i) big += "Caf\xC3\xA9 \xE2\x82\xAC\n";
  const OwnerAnswer echoed = AskAndAnswer(*owner, folder.path(), big, [](std::string_view line) { return std::string(line) + std::string(line); });
  EXPECT_EQ(echoed.outcome, OwnerAnswer::kAnswered);
  EXPECT_EQ(echoed.text, big + big);
  // An owner that closes without an answer: lost, not "no owner", so the asker never resends elsewhere.
  const OwnerAnswer lost = AskAndAnswer(*owner, folder.path(), "end", [](std::string_view) -> std::string { throw 1; });
  EXPECT_EQ(lost.outcome, OwnerAnswer::kLost);
}

// Silent, partial or oversized requests are dropped within the bound; an owner that never answers: a lost answer.
TEST(FolderOwner, SlowOrLongRequestsAreDroppedWithinTheBound) {
  test::TempFolder folder;
  const std::unique_ptr<FolderOwner> owner = ClaimFolder(folder.path());
  sockaddr_un address{};
  socklen_t length = sizeof address;
  ASSERT_EQ(::getsockname(owner->fd(), reinterpret_cast<sockaddr*>(&address), &length), 0);
  for (const std::string& bytes : {std::string(), std::string("10\nsho"), std::to_string(kMaxOwnerRequest + 1) + "\n",
                                   std::string(200, '7')}) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), length), 0);
    if (!bytes.empty()) {
      EXPECT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
    }
    bool answered = false;
    const auto began = std::chrono::steady_clock::now();
    EXPECT_TRUE(owner->AnswerOne([&](std::string_view) { return answered = true, ""; }, 100));
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::milliseconds(1000));
    EXPECT_FALSE(answered) << bytes.size();
    ::close(fd);
  }
  EXPECT_EQ(AskFolderOwner(folder.path(), "show", 150).outcome, OwnerAnswer::kLost);
}

}  // namespace
}  // namespace tw
