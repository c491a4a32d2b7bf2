// The files layer: appends that never join or tear a line, and replacements that are all or nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include "platform/files.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

class FilesTest : public test::PlatformTest {};

TEST_F(FilesTest, AppendCreatesAndNeverJoinsALine) {
  const std::string path = folder.File("log.txt");
  files.Append(path, "one\r\n");
  EXPECT_EQ(folder.Read("log.txt"), "one\r\n");
  files.Append(path, "two\r\n");
  EXPECT_EQ(folder.Read("log.txt"), "one\r\ntwo\r\n");
  // A last line without its line end (a hand edit, an older torn write) is ended first.
  folder.Write("log.txt", "a\r\nhalf");
  files.Append(path, "three\r\n");
  EXPECT_EQ(folder.Read("log.txt"), "a\r\nhalf\r\nthree\r\n");
  folder.Write("unix.txt", "a\n");
  files.Append(folder.File("unix.txt"), "b\r\n");
  EXPECT_EQ(folder.Read("unix.txt"), "a\nb\r\n");

  // A disk that fills during the write or flush: the file as it was, or still missing (no empty crash log).
  for (FileStep step : {FileStep::Write, FileStep::Sync}) {
    files.SetHook([step](FileStep now, const std::string&) { return now == step ? ENOSPC : 0; });
    EXPECT_THROW(files.Append(path, "four\r\n"), RunError);
    EXPECT_THROW(files.Append(folder.File("new.log"), "entry\r\n"), RunError);
    files.SetHook(nullptr);
    EXPECT_EQ(folder.Read("log.txt"), "a\r\nhalf\r\nthree\r\n");
    EXPECT_FALSE(folder.Exists("new.log"));
  }
}

TEST_F(FilesTest, AReplacedFileKeepsItsPermissions) {
  const std::string path = folder.File("private.txt");
  folder.Write("private.txt", "old\r\n");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  files.Replace(path, path + ".tmp", "new\r\n");
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(folder.Read("private.txt"), "new\r\n");
}

TEST_F(FilesTest, TheLockLeavesNoFileBesideTheData) {
  std::filesystem::create_directory(folder.File("data"));
  { const Files::Lock writing = files.LockFor(folder.File("data/projrpt.pro")); }
  EXPECT_TRUE(std::filesystem::is_empty(folder.File("data")));
}

TEST_F(FilesTest, MissingFilesAreErrorFiftyThreeAndOthersAreNot) {
  const auto number = [](const std::function<void()>& action) {
    try {
      action();
    } catch (const RunError& e) {
      EXPECT_EQ(e.source(), "Tallywright");
      return e.number();
    }
    return 0;
  };
  EXPECT_EQ(number([&] { files.ReadAll(folder.File("absent")); }), kErrFileNotFound);
  EXPECT_EQ(number([&] { files.Copy(folder.File("absent"), folder.File("to"), folder.File("to.tmp")); }),
            kErrFileNotFound);
  EXPECT_FALSE(folder.Exists("to.tmp"));
  ASSERT_EQ(::mkdir(folder.File("dir").c_str(), 0755), 0);
  EXPECT_FALSE(files.Exists(folder.File("dir")));
  EXPECT_EQ(number([&] { files.ReadAll(folder.File("dir")); }), kErrPathAccess);
  FailStep(FileStep::Open, 1, EACCES);
  EXPECT_EQ(number([&] { files.ReadAll(folder.File("absent")); }), kErrPathAccess);
}

}  // namespace
}  // namespace tw
