// The files layer: appends that never join or tear a line, and replacements that are all or nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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
}



TEST_F(FilesTest, MissingFilesAreErrorFiftyThreeAndOthersAreNot) {
  try {
    files.ReadAll(folder.File("absent"));
    FAIL();
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), kErrFileNotFound);
    EXPECT_EQ(e.source(), "Tallywright");
  }
  try {
    files.Copy(folder.File("absent"), folder.File("to"), folder.File("to.tmp"));
    FAIL();
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), kErrFileNotFound);
  }
  EXPECT_FALSE(folder.Exists("to.tmp"));
  ASSERT_EQ(::mkdir(folder.File("dir").c_str(), 0755), 0);
  EXPECT_FALSE(files.Exists(folder.File("dir")));
  try {
    files.ReadAll(folder.File("dir"));
    FAIL();
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), kErrPathAccess);
  }
  FailStep(FileStep::Open, 1, EACCES);
  try {
    files.ReadAll(folder.File("absent"));
    FAIL();
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), kErrPathAccess);
  }
}

}  // namespace
}  // namespace tw
