// One owner per data folder: claimed by the folder's identity, freed however the owner ends, and
// asked one line at a time without a request ever holding the owner up for long.
#include <gtest/gtest.h>
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
  // A copy killed with SIGKILL frees the folder at once, and left nothing on disk.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    const std::unique_ptr<FolderOwner> owner = ClaimFolder(folder.File("link"));
    if (owner && ::write(ready[1], "y", 1) == 1) ::pause();
    ::_exit(1);
  }
  char claimed = 0;
  ASSERT_EQ(::read(ready[0], &claimed, 1), 1);
  EXPECT_FALSE(ClaimFolder(folder.File("data")));
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_TRUE(ClaimFolder(folder.File("data")));
  EXPECT_TRUE(std::filesystem::is_empty(folder.File("data")));
  EXPECT_THROW(ClaimFolder(folder.File("absent")), RunError);
}

// Runs the owner's side until the asker has its answer.
std::optional<std::string> AskAndAnswer(FolderOwner& owner, const std::string& folder,
                                        std::string_view request, std::string* heard) {
  auto asked = std::async(std::launch::async, [&] { return AskFolderOwner(folder, request, 2000); });
  while (asked.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
    owner.AnswerOne([&](std::string_view line) {
      *heard = line;
      return "answer to " + std::string(line);
    });
  return asked.get();
}

TEST(FolderOwner, ARequestIsOneLineAndItsAnswerOneLine) {
  test::TempFolder folder;
  EXPECT_EQ(AskFolderOwner(folder.path(), "show", 500), std::nullopt);  // nobody owns it
  const std::unique_ptr<FolderOwner> owner = ClaimFolder(folder.path());
  std::string heard;
  EXPECT_FALSE(owner->AnswerOne([](std::string_view) { return ""; }));  // nothing waiting
  EXPECT_EQ(AskAndAnswer(*owner, folder.path() + "/.", "show", &heard), "answer to show");
  EXPECT_EQ(heard, "show");
  // An answer holding a line feed is cut there, so the asker never reads a second line.
  auto twoLines = std::async(std::launch::async, [&] { return AskFolderOwner(folder.path(), "x", 2000); });
  while (!owner->AnswerOne([](std::string_view) { return "first\nsecond"; })) {}
  EXPECT_EQ(twoLines.get(), "first");
}

// A connection that sends nothing, or too much, is dropped unanswered within the bound; an owner
// that never answers leaves the asker with nothing by its deadline.
TEST(FolderOwner, SlowOrLongRequestsAreDroppedWithinTheBound) {
  test::TempFolder folder;
  const std::unique_ptr<FolderOwner> owner = ClaimFolder(folder.path());
  const auto connectRaw = [&](const std::string& bytes) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    std::string name = std::string(1, '\0') + "Tallywright/owner/";
    struct stat st {};
    ::stat(folder.path().c_str(), &st);
    name += std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.data(), name.size());
    EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address),
                        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + name.size())),
              0);
    if (!bytes.empty()) {
      EXPECT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
    }
    return fd;
  };
  for (const std::string& bytes : {std::string(), std::string("sho"), std::string(20000, 'x')}) {
    const int fd = connectRaw(bytes);
    bool answered = false;
    EXPECT_TRUE(owner->AnswerOne([&](std::string_view) { return answered = true, ""; }, 100));
    EXPECT_FALSE(answered) << bytes.size();
    ::close(fd);
  }
  EXPECT_EQ(AskFolderOwner(folder.path(), "show", 150), std::nullopt);
}

}  // namespace
}  // namespace tw
