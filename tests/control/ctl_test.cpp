// tallywright-ctl: its command line, and acting on a data folder with no program running.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>

#include <atomic>
#include <map>
#include <mutex>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <thread>

#include "billing/rates.h"
#include "control/ctl_folder.h"
#include "control/ctl_lean.h"
#include "control/ctl_verbs.h"
#include "control/mend_request.h"
#include "control/request_line.h"
#include "control/status_text.h"
#include "dates/period.h"
#include "platform/folder_owner.h"
#include "projects/project_list.h"
#include "tests/support/fakes.h"
#include "tracking/running.h"

namespace tw {
namespace {

class CtlTest : public test::PlatformTest {
 protected:
  CtlTest() { folder.Write("project.lst", "Alpha\r\nWebsite redesign\r\n\r\n"); }

  // The command line run against the data folder, as with no program and no bus; or, with a
  // program, against its tracker through the request line.
  int Run(std::vector<std::string> args) {
    out.str(""), err.str("");
    std::unique_ptr<TrackerModel> tracker;
    OwnerTracker owner(
        [&](std::string_view line) { return OwnerAnswer{OwnerAnswer::kAnswered, AnswerRequest(line, *program)}; });
    CtlContext context{{}, out, err, [&]() -> Tracker& {
                         if (program) return owner;
                         if (!tracker) tracker = FolderTracker([] {});
                         return *tracker;
                       },
                       [&] { return folder.path(); }, {}};
    context.figures = figures;
    return RunCtl(args, context);
  }
  // The running program's tracker, its boxes filled from the folder.
  void StartProgram() {
    program = std::make_unique<TrackerModel>();
    ::Setup::ReadProjectList(*program);
  }
  std::string Report() { return folder.Exists("projrpt.pro") ? folder.Read("projrpt.pro") : ""; }

  std::ostringstream out, err;
  std::function<StatusFigures(const TrackerStatus&)> figures;
  std::unique_ptr<TrackerModel> program;
};

TEST_F(CtlTest, CommandLineAndStatusForms) {
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{}, {"begin"}, {"start"}, {"start", "A", "B"}, {"start", "A", "--comment"},
        {"stop", "now"}, {"status", "--format", "{nope}"}, {"status", "--json", "--format", "{project}"}}) {
    EXPECT_EQ(Run(bad), kCtlUsage) << (bad.empty() ? "" : bad[0]);
    const std::string said = err.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  }
  EXPECT_EQ(Run({"--help"}), kCtlDone);
  for (const CtlVerb& verb : CtlVerbs()) EXPECT_NE(out.str().find(std::string("  ") + verb.name), std::string::npos);

  const TrackerStatus s{true, "Web \"site\"", "12/7/2026 9:01:23 PM", "2026-12-07T21:01:23", 3733, "a\nb"};
  EXPECT_EQ(StatusLine(s), "Web \"site\" 1:02:13");
  EXPECT_EQ(StatusLine({}), "not running");
  EXPECT_EQ(StatusJson(s), "{\"running\":true,\"project\":\"Web \\\"site\\\"\",\"start\":\"12/7/2026 9:01:23 PM\","
                           "\"startIso\":\"2026-12-07T21:01:23\",\"elapsed\":3733,\"comment\":\"a\\u000ab\"}");
  EXPECT_EQ(FormatStatus("{{{project}}} {elapsed}/{seconds} {running} {startIso}", s),
            "{Web \"site\"} 1:02:13/3733 true 2026-12-07T21:01:23");
  // The budget's and the balance's figures: in their fields, empty where none were read; the quick
  // command hands a status asking for them to the full one, which reads them.
  const StatusFigures f{"00:30:00, 264.24 EUR", "75", "-07:33:20", "+01:00:00"};
  EXPECT_EQ(FormatStatus("{budget_left} ({budget_used_percent}%) {balance_today}/{balance_week}", s, &f),
            "00:30:00, 264.24 EUR (75%) -07:33:20/+01:00:00");
  EXPECT_EQ(FormatStatus("{project}: {budget_left}.", s), "Web \"site\": .");
  EXPECT_TRUE(LeanCtlTakes({"status", "--format", "{project} {elapsed}"}));
  EXPECT_FALSE(LeanCtlTakes({"status", "--format", "{project} {balance_week}"}));
  EXPECT_TRUE(LeanCtlTakes({"start", "A", "--comment", "{budget_left}"}));
  int asked = 0;
  figures = [&](const TrackerStatus& status) {
    ++asked;
    return StatusFigures{status.project, "", "", ""};
  };
  ASSERT_EQ(Run({"start", "Alpha"}), kCtlDone);
  EXPECT_EQ(Run({"status", "--format", "{elapsed}"}), kCtlDone);
  EXPECT_EQ(asked, 0);  // no figure asked, no report read
  EXPECT_EQ(Run({"status", "--format", "[{budget_left}]"}), kCtlDone);
  EXPECT_EQ(out.str(), "[Alpha]\n");
  EXPECT_EQ(asked, 1);
}

TEST_F(CtlTest, WithNoProgramTheFolderIsWrittenAsTheProgramWould) {
  EXPECT_EQ(Run({"status"}), kCtlDone);
  EXPECT_EQ(out.str(), "not running\n");
  EXPECT_EQ(Run({"stop"}), kCtlRefused);
  EXPECT_EQ(Run({"start", "a,b"}), kCtlRefused);
  EXPECT_FALSE(folder.Exists("projrpt.run"));

  EXPECT_EQ(Run({"start", "Website redesign", "--comment", "layout"}), kCtlDone);
  clock.now.seconds += 3733;
  EXPECT_EQ(Run({"status"}), kCtlDone);
  EXPECT_EQ(out.str(), "Website redesign 1:02:13\n");

  // The next start of the window takes the stretch over running, without a question.
  test::FakeMainView view;
  ::Setup::ReadProjectList(view);
  view.tracker().OfferSaved();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& e) { return e.starts_with("choose:"); }), 0);
  EXPECT_EQ(view.ProjectText(), "Website redesign");
  EXPECT_EQ(view.StartText(), "12/7/2026 9:01:23 PM");
  EXPECT_TRUE(IsRunning(view));

  // Switching records the first once, and says so; stop records the second and removes the saved
  // stretch. Without --comment the new stretch has none, as with the program running.
  EXPECT_EQ(Run({"start", "Alpha"}), kCtlDone);
  EXPECT_EQ(out.str(), "Recorded Website redesign from 12/7/2026 9:01:23 PM to 12/7/2026 10:03:36 PM (01:02:13)\n");
  EXPECT_EQ(Run({"status", "--format", "{project}|{comment}"}), kCtlDone);
  EXPECT_EQ(out.str(), "Alpha|\n");
  EXPECT_EQ(Run({"toggle"}), kCtlDone);
  EXPECT_EQ(Report(), "Website redesign,12/7/2026 9:01:23 PM,12/7/2026 10:03:36 PM,layout\r\n"
                      "Alpha,12/7/2026 10:03:36 PM,12/7/2026 10:03:36 PM,\r\n");
  // Nothing running: a format prints the idle text, an empty line by default.
  EXPECT_EQ(Run({"status", "--format", "{project} {elapsed}"}), kCtlDone);
  EXPECT_EQ(out.str(), "\n");
  EXPECT_EQ(Run({"status", "--format", "{project} {elapsed}", "--format-idle", "idle"}), kCtlDone);
  EXPECT_EQ(out.str(), "idle\n");
  EXPECT_EQ(Run({"status", "--format-idle", "idle"}), kCtlUsage);
  EXPECT_FALSE(folder.Exists("projrpt.run"));
  EXPECT_EQ(Run({"toggle"}), kCtlDone);  // the last stretch's project again
  EXPECT_EQ(Run({"status", "--format", "{project}"}), kCtlDone);
  EXPECT_EQ(out.str(), "Alpha\n");
  // A typed name, on no list, is the one started again too.
  EXPECT_EQ(Run({"start", "Client call"}), kCtlDone);
  EXPECT_EQ(Run({"stop"}), kCtlDone);
  EXPECT_EQ(Run({"toggle"}), kCtlDone);
  EXPECT_EQ(Run({"status", "--format", "{project}"}), kCtlDone);
  EXPECT_EQ(out.str(), "Client call\n");

  // A stretch the program left running (a crash, or a logout while the person was away) is ended
  // where it was last seen, as the program's End Then would, and the command says so; with
  // --keep-away, now.
  for (const bool keep : {false, true}) {
    folder.Write("projrpt.run", RunningFileText({"Alpha", "12/7/2026 9:00:00 PM", "", "12/7/2026 9:30:00 PM", "", ""}));
    const std::string before = Report();
    EXPECT_EQ(Run(keep ? std::vector<std::string>{"stop", "--keep-away"} : std::vector<std::string>{"stop"}), kCtlDone);
    EXPECT_EQ(Report(), before + (keep ? "Alpha,12/7/2026 9:00:00 PM,12/7/2026 10:03:36 PM,\r\n"
                                       : "Alpha,12/7/2026 9:00:00 PM,12/7/2026 9:30:00 PM,\r\n"));
    EXPECT_EQ(out.str().find("ended when you left") != std::string::npos, !keep) << out.str();
    EXPECT_FALSE(folder.Exists("projrpt.run"));
  }
  // Names and comments no record can carry are refused before anything is written.
  const std::string before = Report();
  for (const char* bad : {"a\x01b", "caf\xC3", "tab\there", "nul"})
    EXPECT_EQ(Run({"start", bad == std::string("nul") ? std::string("a\0b", 3) : std::string(bad)}), kCtlRefused) << bad;
  EXPECT_EQ(Run({"start", "Alpha", "--comment", "bell\x07"}), kCtlRefused);
  EXPECT_EQ(Report(), before);
  EXPECT_FALSE(folder.Exists("projrpt.run"));
}

// start and stop at a moment named, continue, cancel and comment: through the running program and
// on the folder alone, the same records; refusals and dry runs change nothing.
TEST_F(CtlTest, MomentsNamedContinueCancelAndCommentAlikeWithAndWithoutTheProgram) {
  std::map<bool, std::string> reports;
  for (const bool running : {false, true}) {
    std::filesystem::remove(folder.path() + "/projrpt.pro");
    if (running) StartProgram();
    clock.now = MakeDateTime({2026, 12, 7}, 21, 1, 23);
    const auto status = [&] {
      EXPECT_EQ(Run({"status", "--format", "{project}|{start}|{comment}", "--format-idle", "-"}), kCtlDone);
      return out.str();
    };
    ASSERT_EQ(Run({"start", "Alpha", "--at", "20:00", "--comment", "c1"}), kCtlDone) << err.str();
    EXPECT_EQ(status(), "Alpha|12/7/2026 8:00:00 PM|c1\n");
    // Not before the running stretch's start, not to come, no moment at all: refused, nothing done.
    EXPECT_EQ(Run({"stop", "--at", "19:59"}), kCtlRefused);
    EXPECT_NE(err.str().find("not after the start"), std::string::npos) << err.str();
    EXPECT_EQ(Run({"start", "Website redesign", "--at", "20:00"}), kCtlRefused);
    EXPECT_EQ(Run({"stop", "--at", "22:00"}), kCtlUsage);
    EXPECT_EQ(Run({"stop", "--at", "-30m"}), kCtlUsage);
    EXPECT_EQ(Run({"stop", "--at"}), kCtlUsage);
    EXPECT_EQ(Run({"stop", "--at", "-30min", "--dry-run"}), kCtlDone);
    EXPECT_EQ(out.str(), "Would record Alpha from 12/7/2026 8:00:00 PM to 12/7/2026 8:31:23 PM (00:31:23)\n");
    EXPECT_EQ(Run({"start", "Website redesign", "--at", "-45min", "--dry-run"}), kCtlDone);
    EXPECT_EQ(out.str(), "Would record Alpha from 12/7/2026 8:00:00 PM to 12/7/2026 8:16:23 PM (00:16:23)\n"
                         "Would start Website redesign at 12/7/2026 8:16:23 PM\n");
    EXPECT_EQ(Report(), "");
    EXPECT_EQ(status(), "Alpha|12/7/2026 8:00:00 PM|c1\n");
    // A switch at a moment: the first ends where the second starts.
    ASSERT_EQ(Run({"start", "Website redesign", "--at", "-45min"}), kCtlDone) << err.str();
    EXPECT_EQ(out.str(), "Recorded Alpha from 12/7/2026 8:00:00 PM to 12/7/2026 8:16:23 PM (00:16:23)\n");
    EXPECT_EQ(Run({"comment", "layout, it's 'final'", "--dry-run"}), kCtlDone);
    EXPECT_EQ(status(), "Website redesign|12/7/2026 8:16:23 PM|\n");
    ASSERT_EQ(Run({"comment", "layout, it's 'final'"}), kCtlDone) << err.str();
    EXPECT_EQ(status(), "Website redesign|12/7/2026 8:16:23 PM|layout, it's 'final'\n");
    EXPECT_EQ(Run({"comment", "bell\x07"}), kCtlRefused);
    EXPECT_EQ(Run({"comment"}), kCtlUsage);
    // Cancel records nothing and says how to start the stretch again; that command does.
    EXPECT_EQ(Run({"cancel", "--dry-run"}), kCtlDone);
    EXPECT_TRUE(folder.Exists("projrpt.run"));
    ASSERT_EQ(Run({"cancel"}), kCtlDone) << err.str();
    EXPECT_EQ(out.str(), "Discarded Website redesign started 12/7/2026 8:16:23 PM; to start it again: tallywright-ctl "
                         "start 'Website redesign' --at 2026-12-07T20:16:23 --comment 'layout, it'\\''s '\\''final'\\'''\n");
    EXPECT_EQ(status(), "-\n");
    EXPECT_FALSE(folder.Exists("projrpt.run"));
    for (const std::vector<std::string>& idle : {std::vector<std::string>{"cancel"}, {"comment", "x"}, {"stop", "--at", "-1min"}})
      EXPECT_EQ(Run(idle), kCtlRefused) << idle[0];
    ASSERT_EQ(Run({"start", "Website redesign", "--at", "2026-12-07T20:16:23", "--comment", "layout, it's 'final'"}), kCtlDone);
    EXPECT_EQ(status(), "Website redesign|12/7/2026 8:16:23 PM|layout, it's 'final'\n");
    ASSERT_EQ(Run({"stop", "--at", "-1min"}), kCtlDone) << err.str();
    // continue: the project and comment of the stretch that ended last, not before its end, and
    // not while one runs.
    EXPECT_EQ(Run({"start", "Alpha", "--at", "21:00"}), kCtlRefused);  // over what is recorded
    EXPECT_NE(err.str().find("overlap what is recorded: Website redesign from 12/7/2026 8:16:23 PM"), std::string::npos);
    EXPECT_EQ(Run({"start", "Alpha", "--at", "21:00", "--allow-overlap", "--dry-run"}), kCtlDone) << err.str();
    EXPECT_EQ(Run({"continue", "--at", "20:59"}), kCtlRefused);
    ASSERT_EQ(Run({"continue", "--dry-run"}), kCtlDone) << err.str();
    EXPECT_EQ(out.str(), "Would start Website redesign at 12/7/2026 9:01:23 PM\n");
    ASSERT_EQ(Run({"continue"}), kCtlDone) << err.str();
    EXPECT_EQ(status(), "Website redesign|12/7/2026 9:01:23 PM|layout, it's 'final'\n");
    EXPECT_EQ(Run({"continue"}), kCtlRefused);
    clock.now.seconds += 60;
    ASSERT_EQ(Run({"stop"}), kCtlDone);
    EXPECT_EQ(Report(), "Alpha,12/7/2026 8:00:00 PM,12/7/2026 8:16:23 PM,c1\r\n"
                        "Website redesign,12/7/2026 8:16:23 PM,12/7/2026 9:00:23 PM,layout, it's 'final'\r\n"
                        "Website redesign,12/7/2026 9:01:23 PM,12/7/2026 9:02:23 PM,layout, it's 'final'\r\n");
    reports[running] = Report();
  }
  EXPECT_EQ(reports[false], reports[true]);
}

// The quick command (no Qt) against an owner of the data folder prints what the full command
// prints, and hands over to it when no owner answers.
TEST_F(CtlTest, QuickCommandPrintsAsTheFullOneAndHandsOver) {
  test::TempFolder config;
  std::filesystem::create_directory(config.path() + "/Tallywright");
  config.Write("Tallywright/Tallywright.ini", "[Settings]\nDataFolder=" + folder.path() + "\n");
  const auto run = [&](const std::string& program, const std::string& args, int status = 0) {
    const std::string line = "XDG_CONFIG_HOME=" + config.path() + " XDG_CONFIG_DIRS=" + config.path() + "/none " +
                             program + " " + args + " 2>&1";
    std::string text;
    FILE* pipe = ::popen(line.c_str(), "r");
    for (int c; (c = std::fgetc(pipe)) != EOF;) text += static_cast<char>(c);
    EXPECT_EQ(WEXITSTATUS(::pclose(pipe)), status) << args;
    return text;
  };
  const std::string quick = TW_CTL, full = std::string(TW_CTL) + "-qt";
  EXPECT_EQ(run(quick, "status"), "not running\n");

  struct Owned : Tracker {
    std::string Start(const std::string&, const std::optional<std::string>& c, AwayRule, RequestMoment) override {
      const std::lock_guard hold(mutex);
      started = c.value_or("(none)");
      return "";
    }
    std::string End(AwayRule, RequestMoment) override { throw RunError(75, "Path/File access error"); }
    std::string Continue(RequestMoment) override { return ""; }
    std::string Cancel(bool) override { return "Discarded"; }
    std::string SetComment(const std::string&, bool) override { return ""; }
    TrackerStatus Status() override {
      return {true, "Web site", "12/7/2026 9:01:23 PM", "2026-12-07T21:01:23", 61, comment};
    }
    std::vector<std::string> Projects() override { return names; }
    std::string comment, started;
    std::mutex mutex;
    std::vector<std::string> names;
    void Show() override {}
  } owned;
  const auto owner = ClaimFolder(folder.path());
  // Values far past the old line's 4,096 bytes, multi-byte characters cut nowhere.
  for (int i = 0; i < 1945; ++i) owned.comment += "\xC3\xA9";
  for (int i = 0; i < 200; ++i) owned.names.push_back("Project number " + std::to_string(i) + " \xE2\x82\xAC");
  std::atomic<bool> done = false;
  std::atomic<int> ends = 0;
  std::thread answering([&] {
    while (!done) {
      pollfd wait{owner->fd(), POLLIN, 0};
      if (::poll(&wait, 1, 50) > 0)
        owner->AnswerOne([&](std::string_view request) {
          if (request.starts_with("end")) ++ends;
          if (IsMendRequest(request)) return JoinRequestLine({"ok", "1", "", "tallywright-ctl: track refused: why\n"});
          return AnswerRequest(request, owned);
        });
    }
  });
  // A copy with no full command to hand over to answers by itself.
  const std::string alone = config.path() + "/tallywright-ctl";
  std::filesystem::copy_file(TW_CTL, alone);
  EXPECT_EQ(run(alone, "status --format {project}"), "Web site\n");
  // What it must hand over it cannot: it names both places it looked in.
  const std::string missing = run(alone, "import /nonexistent --dry-run", 1);
  EXPECT_NE(missing.find(config.path() + "/tallywright-ctl-qt"), std::string::npos) << missing;
  EXPECT_NE(missing.find("libexec/tallywright/tallywright-ctl-qt"), std::string::npos) << missing;
  for (const char* args : {"status", "status --json", "status --format '{project}/{seconds}'"}) {
    const std::string printed = run(quick, args);
    EXPECT_NE(printed.find("Web site"), std::string::npos) << printed;
    EXPECT_EQ(printed, run(full, args));
  }
  std::string listed;
  for (const std::string& name : owned.names) listed += name + "\n";
  EXPECT_EQ(run(quick, "projects"), listed);
  EXPECT_EQ(run(quick, "status --format {comment}"), owned.comment + "\n");
  EXPECT_EQ(run(quick, "start Alpha --comment '" + owned.comment + "'"), "");
  {
    const std::lock_guard hold(owned.mutex);
    EXPECT_EQ(owned.started, owned.comment);
  }
  // The owner's failure is an answer: said once, never sent again to the full command.
  EXPECT_EQ(run(quick, "stop", 1), "tallywright-ctl: Path/File access error\n");
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(run(quick, "track 9:00 10:00 Alpha", 1), "tallywright-ctl: track refused: why\n");  // the mending verbs too
  done = true;
  answering.join();

  PlainIniValue v = ReadPlainIniValue("[General]\nDataFolder=/x\n[Settings]\n DataFolder = /a b \n", "Settings", "DataFolder");
  EXPECT_TRUE(v.plain && v.value == "/a b");
  for (const char* text : {"[Settings]\nDataFolder=\"/a\"", "[Settings]\nDataFolder=/a\\b", "[Settings]\nDataFolder=@Invalid()",
                           "[Settings]\nDataFolder=/a\n[Settings]\nDataFolder=/b", "[Settings]\nDataFolder=/a,b"})
    EXPECT_FALSE(ReadPlainIniValue(text, "Settings", "DataFolder").plain) << text;
}

TEST_F(CtlTest, RateSetsAProjectsRateFromADayOnAndShowsIt) {
  const std::string budget = "budget\tAcme\tmonth\t12.50\t\t2026-01-01T08:00:00Z\r\ncurrency\tEUR\t2026-01-01T08:00:00Z\r\n";
  folder.Write("project.rates", "# Tallywright rates\r\n" + budget);
  const auto rateOn = [&](const char* day) {
    return ReadRates(files, folder.path()).book.RateOn("Acme", *ParseIsoDay(day)).value_or(-1);
  };
  ASSERT_EQ(Run({"rate", "Acme", "85", "--from", "2026-01-01"}), 0) << err.str();
  EXPECT_EQ(out.str(), "Set: Acme 85.00 an hour from 2026-01-01\n2026-01-01  85.00  EUR  billable\n");
  // A later rate leaves the days before it at the earlier one; the other facts stay as they were.
  ASSERT_EQ(Run({"rate", "Acme", "90.5", "--from=2026-03-01"}), 0) << err.str();
  EXPECT_EQ(rateOn("2026-02-28"), 8500);
  EXPECT_EQ(rateOn("2026-03-01"), 9050);
  const std::string file = folder.Read("project.rates");
  EXPECT_NE(file.find(budget), std::string::npos) << file;
  EXPECT_NE(file.find("rate\tAcme\t2026-03-01\t90.50\t"), std::string::npos) << file;
  // The same day's rate is replaced; by default from today; --dry-run writes nothing.
  ASSERT_EQ(Run({"rate", "Acme", "86", "--from", "2026-01-01"}), 0);
  EXPECT_EQ(rateOn("2026-02-28"), 8600);
  EXPECT_EQ(Run({"rate", "Acme", "86", "--from", "2026-01-01"}), 0);
  EXPECT_EQ(out.str().substr(0, 11), "Unchanged: ");
  const std::string before = folder.Read("project.rates");
  EXPECT_EQ(Run({"rate", "Acme", "99", "--dry-run", "--not-billable"}), 0);
  EXPECT_NE(out.str().find("Would set: Acme 99.00 an hour from 2026-12-07\n"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("2026-12-07  99.00  EUR  not billable\n"), std::string::npos) << out.str();
  EXPECT_EQ(folder.Read("project.rates"), before);
  ASSERT_EQ(Run({"rate", "Internal", "0", "--not-billable"}), 0);
  EXPECT_FALSE(ReadRates(files, folder.path()).book.Billable("Internal"));
  EXPECT_TRUE(ReadRates(files, folder.path()).book.Billable("Acme"));
  ASSERT_EQ(Run({"rate", "Acme", "--json"}), 0);
  EXPECT_EQ(out.str(), "{\"project\":\"Acme\",\"currency\":\"EUR\",\"billable\":true,\"rates\":["
                       "{\"from\":\"2026-01-01\",\"amount\":86.00},{\"from\":\"2026-03-01\",\"amount\":90.50}]}\n");
  ASSERT_EQ(Run({"rate", "Nobody"}), 0);
  EXPECT_EQ(out.str(), "Nobody has no rate (billable)\n");

  // A bad command line is one line and status 2; a name the file cannot carry is refused; neither writes.
  const std::string kept = folder.Read("project.rates");
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"rate"}, {"rate", "Acme", "85,50"}, {"rate", "Acme", "-5"}, {"rate", "Acme", "8.555"},
        {"rate", "Acme", "85", "--from", "2026-02-30"}, {"rate", "Acme", "85", "--from", "3/1/2026"},
        {"rate", "Acme", "--from", "2026-01-01"}, {"rate", "Acme", "85", "--hourly"}, {"rate", "Acme", "85", "x"},
        {"rate", "Acme", "85", "--billable", "--not-billable"}}) {
    EXPECT_EQ(Run(bad), 2) << bad.back();
    const std::string said = err.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  }
  EXPECT_EQ(Run({"rate", "A,B", "85"}), 1);
  EXPECT_EQ(Run({"rate", "", "85"}), 1);
  EXPECT_EQ(folder.Read("project.rates"), kept);
  EXPECT_FALSE(LeanCtlTakes({"rate", "Acme", "85"}));  // the full command's
}

}  // namespace
}  // namespace tw
