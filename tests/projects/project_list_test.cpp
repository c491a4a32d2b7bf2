// The project list file and its text in the editor, without windows.
#include <gtest/gtest.h>

#include <cerrno>

#include "projects/project_list.h"
#include "tests/support/fakes.h"

namespace tw {
namespace {

using Names = std::vector<std::string>;

class ProjectListTest : public test::PlatformTest {
 protected:
  // Save in the editor with text; tells whether the editor was unloaded.
  bool Save(const std::string& text) {
    bool unloaded = false;
    SaveEditorText(form, text, [&] { unloaded = true; });
    return unloaded;
  }
  test::FakeMainView form;
};

TEST_F(ProjectListTest, ReadTakesEveryLineAsItStandsAndSelectsTheSecond) {
  struct Case {
    std::string file;
    Names entries;
    int selected;
  };
  const Case cases[] = {
      {"A\r\nB\r\n\r\n", {"A", "B", ""}, 1},
      {"A\r\n\r\nB\r\n", {"A", "", "B"}, 1},
      {"Same\r\nSame\r\n", {"Same", "Same"}, 1},
      {"  padded \r\nlf\nlast without line end", {"  padded ", "lf", "last without line end"}, 1},
      // Fewer than two lines: what there is gets selected, and nothing fails.
      {"\r\n", {""}, 0},
      {"Solo", {"Solo"}, 0},
      {"", {}, -1},
  };
  for (const Case& c : cases) {
    folder.Write("project.lst", c.file);
    form.ClearProjects(), form.AddProjects({"old"});
    EXPECT_TRUE(Setup::ReadProjectList(form));
    EXPECT_EQ(form.tracker().ProjectList(), c.entries) << c.file;
    EXPECT_EQ(form.ProjectIndex(), c.selected) << c.file;
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProjectListTest, NoFileIsAnEmptyBoxWithoutMessageAndAnUnreadableOneIsReported) {
  form.ClearProjects(), form.AddProjects({"old"});
  form.SetProjectIndex(0);
  EXPECT_FALSE(Setup::ReadProjectList(form));
  EXPECT_TRUE(form.tracker().ProjectList().empty());
  EXPECT_EQ(form.ProjectIndex(), -1);
  EXPECT_TRUE(dialogs.shown.empty());

  folder.Write("project.lst", "A\r\nB\r\n\r\n");
  FailStep(FileStep::Open, 1, EACCES);
  EXPECT_TRUE(Setup::ReadProjectList(form));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].title, "Design-Time Error [75] [Setup/ReadProjectList]");
  EXPECT_TRUE(form.tracker().ProjectList().empty());
}

TEST_F(ProjectListTest, WriteGoesThroughAScratchFileAndReadsTheListBack) {
  // Bytes that are not UTF-8 go through unchanged too.
  form.ClearProjects(), form.AddProjects({"A", " B ", "Caf\xC3\xA9 \xFF"});
  LogFileSteps();
  Setup::WriteProjectList(form);
  EXPECT_EQ(folder.Read("project.lst"), "A\r\n B \r\nCaf\xC3\xA9 \xFF\r\n\r\n");
  EXPECT_EQ(form.tracker().ProjectList(), (Names{"A", " B ", "Caf\xC3\xA9 \xFF", ""}));
  EXPECT_EQ(form.ProjectIndex(), 1);
  EXPECT_EQ(log, (test::EventLog{"lock:project.lst", "open:project.lst.tmp", "write:project.lst.tmp",
                                 "sync:project.lst.tmp", "close:project.lst.tmp",
                                 "rename:project.lst", "open:project.lst", "read:project.lst",
                                 "read:project.lst"}));
  EXPECT_FALSE(folder.Exists("project.lst.tmp"));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProjectListTest, SaveGivesTheBoxAndTheFileTheTextsNames) {
  struct Case {
    std::string text;
    Names entries;
  };
  const Case cases[] = {
      {ListText({"A", "B", ""}), {"A", "B", ""}},  // unchanged text, unchanged list
      {"A\r\n\r\n\r\nB\r\n", {"A", "B", ""}},
      {"\r\nA\r\n", {"", "A", ""}},
      {"A\r\nBee", {"A", "Bee", ""}},
      {"", {"", ""}},
  };
  for (const Case& c : cases) {
    form.ClearProjects(), form.AddProjects({"old"});
    EXPECT_TRUE(Save(c.text)) << c.text;
    EXPECT_EQ(form.tracker().ProjectList(), c.entries) << c.text;
    EXPECT_EQ(form.ProjectIndex(), 1) << c.text;
    EXPECT_EQ(folder.Read("project.lst"), ListText(Names(c.entries.begin(), c.entries.end() - 1)));
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProjectListTest, ACommaOnAnyLineIsRefusedBeforeAnythingChanges) {
  folder.Write("project.lst", "A\r\n\r\n");
  form.ClearProjects(), form.AddProjects({"A", ""});
  for (auto [text, where] : {std::pair{"Acme, Inc.\r\nB", "line 1:\nAcme, Inc."}, {"A\r\n\r\nB,C", "line 3:\nB,C"}}) {
    EXPECT_FALSE(Save(text)) << text;
    EXPECT_NE(dialogs.shown.back().prompt.find(where), std::string::npos) << dialogs.shown.back().prompt;
    EXPECT_EQ(dialogs.shown.back().style, MsgStyle::OkOnly + MsgStyle::Exclamation);
  }
  EXPECT_EQ(form.tracker().ProjectList(), (Names{"A", ""}));
  EXPECT_EQ(folder.Read("project.lst"), "A\r\n\r\n");
}

TEST_F(ProjectListTest, TheRememberedProjectIsAPositionOfTheBoxOrNone) {
  form.ClearProjects(), form.AddProjects({"A", "B", ""});
  // A position past the list or before it clears the selection; a text that is no number is no
  // setting at all, and the selection stays.
  for (auto [text, expected] : {std::pair{"0", 0}, {"2", 2}, {"3", -1}, {"-1", -1}, {"-2", -1}, {"1x", 1},
                                {" 0", 1}, {"", 1}, {"abc", 1}}) {
    form.SetProjectIndex(1);
    settings.values["Project"] = text;
    Setup::RestoreRememberedProject(form);
    EXPECT_EQ(form.ProjectIndex(), expected) << text;
  }
  Setup::RememberProject(form);
  EXPECT_EQ(settings.values["Project"], "1");
  EXPECT_TRUE(dialogs.shown.empty());
}

// A reload keeps the box's project: typed stays typed, chosen is chosen again where the list has it.
TEST_F(ProjectListTest, AReloadKeepsTheProjectChosenOrTyped) {
  folder.Write("project.lst", "Alpha\r\nBeta\r\n\r\n");
  ::Setup::ReadProjectList(form);
  form.SetProjectText("Client call");
  folder.Write("project.lst", "Alpha\r\nGamma\r\nBeta\r\n\r\n");
  EXPECT_TRUE(::Setup::ReloadProjectList(form));
  EXPECT_EQ(form.ProjectIndex(), -1);
  EXPECT_EQ(form.ProjectText(), "Client call");
  EXPECT_EQ(form.tracker().ProjectList(), (Names{"Alpha", "Gamma", "Beta", ""}));
  form.SetProjectIndex(2);  // Beta
  folder.Write("project.lst", "Beta\r\nAlpha\r\n\r\n");
  ::Setup::ReloadProjectList(form);
  EXPECT_EQ(form.ProjectIndex(), 0);
  EXPECT_EQ(form.ProjectText(), "Beta");
  // A name the list no longer has stays, typed.
  folder.Write("project.lst", "Alpha\r\n\r\n");
  ::Setup::ReloadProjectList(form);
  EXPECT_EQ(form.ProjectIndex(), -1);
  EXPECT_EQ(form.ProjectText(), "Beta");
  // Nothing chosen or typed stays so.
  form.SetProjectText("");
  ::Setup::ReloadProjectList(form);
  EXPECT_EQ(form.ProjectIndex(), -1);
  EXPECT_EQ(form.ProjectText(), "");
}

}  // namespace
}  // namespace tw
