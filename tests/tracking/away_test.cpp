// Time away while a stretch runs: the absence's ends, what each answer records, and the long stretch's reminder.
#include <gtest/gtest.h>

#include "tests/support/fake_idle.h"
#include "tests/support/fakes.h"
#include "tracking/away.h"
#include "tracking/running.h"
#include "tracking/stretch.h"
#include "tracking/tracker.h"

namespace tw {
namespace {

class AwayTest : public test::PlatformTest {
 protected:
  // Five seconds on, with the source telling this idle time: the absence the watch reports.
  std::optional<Absence> Poll(std::int64_t idleSeconds, bool locked = false) {
    now += 5;
    idle->idleSeconds = idleSeconds, idle->locked = locked;
    return watch.Poll(now, since, 900);
  }

  test::FakeIdleSource* idle = new test::FakeIdleSource;
  test::FakeSleepWatch* sleeper = new test::FakeSleepWatch;
  AwayWatch watch{test::Only(idle), std::unique_ptr<SleepWatch>(sleeper)};
  std::int64_t now = 1'800'000'000;
  std::optional<std::int64_t> since = now - 86400;
};

TEST_F(AwayTest, AnAbsenceIsReportedOnceWhenThePersonComesBack) {
  // No input for the threshold, then input again: twice, one report each.
  for (int round = 0; round < 2; ++round) {
    EXPECT_FALSE(Poll(899) || Poll(900) || Poll(5000));
    const std::int64_t left = now - 5000;
    const std::optional<Absence> back = Poll(2);
    EXPECT_EQ(back, (Absence{left, now - 2}));
    EXPECT_FALSE(Poll(3) || Poll(8));
  }
  // No input for exactly the threshold is an absence, as long as the threshold.
  EXPECT_FALSE(Poll(900));
  const std::optional<Absence> exactly = Poll(5);
  EXPECT_EQ(exactly, (Absence{now - 905, now - 5}));
  // Locked: away from the last input, however recent, until unlocked; a short lock is no absence.
  EXPECT_FALSE(Poll(4, true) || Poll(9, true) || Poll(1) || Poll(0, true));
  const std::int64_t locked = now;
  now += 1200;
  EXPECT_FALSE(Poll(1205, true));
  const std::optional<Absence> unlocked = Poll(1);
  EXPECT_EQ(unlocked, (Absence{locked, now - 1}));
  // Slept: away from the last input before the sleep until input after the wake.
  EXPECT_FALSE(Poll(10));
  const std::int64_t lastInput = now - 10;
  sleeper->Slept(now + 30, now + 7200);
  now += 7200;
  const std::optional<Absence> woke = Poll(0);
  EXPECT_EQ(woke, (Absence{lastInput, now}));
  // No stretch running; a stretch ended during the absence, or replaced without a look between.
  since.reset();
  EXPECT_FALSE(Poll(5000) || Poll(1));
  for (bool replaced : {false, true}) {
    since = now - 5000;
    EXPECT_FALSE(Poll(950));
    since = replaced ? std::optional<std::int64_t>(now) : std::nullopt;
    EXPECT_FALSE(Poll(955) || Poll(0));
  }
}

TEST_F(AwayTest, TheNextLookComesWhenTheIdleTimeWouldReachTheThresholdAndSoonWhileAway) {
  EXPECT_EQ(watch.NextLook(now, 900), std::nullopt);  // nothing learnt yet: the minute's look
  Poll(300);
  EXPECT_EQ(watch.NextLook(now, 900), 600);
  Poll(899);
  EXPECT_EQ(watch.NextLook(now, 900), 1);
  Poll(900);
  EXPECT_EQ(watch.NextLook(now, 900), kAwayPollSeconds);  // away: the return is caught at once
  Poll(0);
  EXPECT_EQ(watch.NextLook(now, 900), 900);
  EXPECT_EQ(watch.NextLook(now, 0), std::nullopt);  // the question is off
  since.reset();
  Poll(0);
  EXPECT_EQ(watch.NextLook(now, 900), std::nullopt);
}

TEST_F(AwayTest, WhereTheSourcesTellOfTheReturnItIsLookedAtThenAndNotEveryFewSeconds) {
  int looks = 0;
  watch.OnMayBeBack([&] { ++looks; });
  idle->tells = {true, true};
  // Not away: nothing is watched.
  Poll(300);
  EXPECT_EQ(idle->watching, std::nullopt);
  // Away: the first input is watched for, and no look is needed before the minute's.
  Poll(900);
  EXPECT_EQ(idle->watching, true);
  EXPECT_EQ(watch.NextLook(now, 900), std::nullopt);
  EXPECT_FALSE(Poll(905));  // a look meanwhile keeps the watch
  EXPECT_EQ(idle->watching, true);
  // The input, told: the caller looks, and finds the person back; the watch ends.
  idle->TellBack();
  EXPECT_EQ(looks, 1);
  const std::optional<Absence> back = Poll(1);
  EXPECT_EQ(back, (Absence{now - 910, now - 1}));
  EXPECT_EQ(idle->watching, std::nullopt);
  EXPECT_EQ(watch.NextLook(now, 900), 899);

  // Locked, only the lock's end is a return; a source that cannot tell of it (or of input) is asked every few seconds.
  Poll(3, true);
  EXPECT_EQ(idle->watching, false);
  EXPECT_EQ(watch.NextLook(now, 900), std::nullopt);
  idle->tells = {true, false};
  Poll(8, true);
  EXPECT_EQ(watch.NextLook(now, 900), kAwayPollSeconds);
  Poll(1000);
  EXPECT_EQ(idle->watching, true);
  EXPECT_EQ(watch.NextLook(now, 900), std::nullopt);
  idle->tells = {false, true};
  Poll(1005);
  EXPECT_EQ(watch.NextLook(now, 900), kAwayPollSeconds);

  // The stretch ending while away ends the watch and a late notice makes no look; a wake makes one.
  since.reset();
  Poll(1010);
  EXPECT_EQ(idle->watching, std::nullopt);
  sleeper->woke();
  since = now;
  sleeper->woke();
  EXPECT_EQ(looks, 1);
  Poll(0);
  sleeper->woke();
  EXPECT_EQ(looks, 2);

  // Two sources, one locked telling of its lock's end, one of input: locked, the lock's end suffices.
  auto* locker = new test::FakeIdleSource;
  auto* other = new test::FakeIdleSource;
  locker->idleSeconds.reset(), locker->tells = {false, true}, other->tells = {true, false};
  std::vector<std::unique_ptr<IdleSource>> both;
  both.emplace_back(locker), both.emplace_back(other);
  AwayWatch two{std::move(both), nullptr};
  locker->locked = true;
  two.Poll(now, since, 900);
  EXPECT_EQ(two.NextLook(now, 900), std::nullopt);
  EXPECT_EQ(other->watching, false);
  locker->locked = false, other->idleSeconds = 950;
  two.Poll(now + 5, since, 900);
  EXPECT_EQ(two.NextLook(now, 900), std::nullopt);
  EXPECT_EQ(other->watching, true);
}

TEST_F(AwayTest, EachAnswerRecordsAsEndProjectWouldAndTheReminderComesEveryRemindHours) {
  const std::int64_t left = InstantOfLocal(MakeDateTime({2026, 12, 7}, 19, 30, 0));
  for (int answer : {0, 1, 2}) {
    test::FakeMainView form, endProject;
    for (test::FakeMainView* f : {&form, &endProject}) {
      f->SetProjectText("Gamma");
      f->SetStartText("12/7/2026 6:00:00 PM");
      f->SetComments("notes");
    }
    endProject.SetEndText("12/7/2026 7:30:00 PM");
    folder.Write("projrpt.pro", "");
    endProject.tracker().EndProject();
    const std::string record = folder.Read("projrpt.pro");
    dialogs.answers = {answer};
    form.tracker().AskAboutAbsence({left, left + 4000});
    EXPECT_EQ(dialogs.shown.back().prompt, "You were away from 12/7/2026 7:30:00 PM to 12/7/2026 8:36:40 PM "
                                           "(01:06:40) while tracking Gamma.");
    EXPECT_EQ(folder.Read("projrpt.pro"), answer == 0 ? record : record + record) << answer;
    EXPECT_EQ(form.TimeCalc(), answer == 0 ? "" : endProject.TimeCalc());
    // Restarted from the moment input came back, however late the answer (the clock says 9:01:23).
    const char* boxes[] = {"12/7/2026 6:00:00 PM|", "12/7/2026 6:00:00 PM|12/7/2026 7:30:00 PM",
                           "12/7/2026 8:36:40 PM|"};
    EXPECT_EQ(form.StartText() + "|" + form.EndText(), boxes[answer]);
    if (answer != 1) continue;
    // After End Then, Start Project starts anew rather than count the time away again.
    form.tracker().StartProject();
    EXPECT_EQ(form.StartText() + "|" + form.EndText(), "12/7/2026 9:01:23 PM|");
  }
  // Restarted, the new stretch runs and is kept on disk; a stretch no longer running asks nothing.
  WaitForRunningFile();
  EXPECT_NE(folder.Read("projrpt.run").find("Start=12/7/2026 8:36:40 PM"), std::string::npos);
  test::FakeMainView stopped;
  stopped.tracker().AskAboutAbsence({left, left + 4000});
  EXPECT_EQ(dialogs.shown.size(), 3u);

  // The reminder: at 8 and 16 hours; while off (0) nothing; on again, one for the periods missed.
  stopped.SetProjectText("Gamma");
  stopped.SetStartText("12/7/2026 9:01:23 PM");
  StretchReminder reminder;
  std::string shown;
  for (int minutes : {479, 480, 481, 960, 961, 1919, 2000})
    shown += reminder.Poll(stopped, RunningSince(stopped), InstantOfLocal(clock.now) + minutes * 60, minutes == 1919 ? 0 : 8) + "|";
  EXPECT_EQ(shown, "|Still tracking Gamma since 12/7/2026 9:01:23 PM (8 h).||"
                   "Still tracking Gamma since 12/7/2026 9:01:23 PM (16 h).|||"
                   "Still tracking Gamma since 12/7/2026 9:01:23 PM (33 h).|");
}

// The tracker's looks take the idle minutes as the threshold, to the second: an absence of exactly
// that long is asked about when the person is back, and an end from outside while they are still
// away ends where they left.
TEST_F(AwayTest, TheTrackerTakesTheIdleMinutesToTheSecond) {
  settings.values["IdleMinutes"] = "1";
  test::FakeMainView form;
  auto* source = new test::FakeIdleSource;
  form.tracker().WatchAbsences(std::make_unique<AwayWatch>(test::Only(source), nullptr));
  form.SetProjectText("Gamma");
  form.tracker().StartProject();
  const auto look = [&](int seconds, std::int64_t idleFor) {
    clock.now.seconds += seconds;
    source->idleSeconds = idleFor;
    form.tracker().LookForAway();
  };
  look(100, 60);
  dialogs.answers = {0};  // the time away was work
  look(5, 0);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].prompt.rfind("You were away from 12/7/2026 9:02:03 PM", 0), 0u) << dialogs.shown[0].prompt;
  clock.now.seconds += 100;
  source->idleSeconds = 60;
  form.tracker().End(AwayRule::kEndWhenLeft, {});
  EXPECT_EQ(folder.Read("projrpt.pro"), "Gamma,12/7/2026 9:01:23 PM,12/7/2026 9:03:48 PM,\r\n");
}

}  // namespace
}  // namespace tw
