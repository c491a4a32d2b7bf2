// The running program driven from outside: requests through the data folder's socket (with or
// without a bus) and, under a session bus of its own, through D-Bus, against the window and the
// report file.
#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDialog>
#include <QProcess>
#include <QElapsedTimer>
#include <QXmlStreamReader>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <future>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "control/control_service.h"
#include "control/ctl_verbs.h"
#include "projects/project_list.h"
#include "shell/frm_main.h"
#include "shell/setup_main.h"
#include "tests/support/fake_idle.h"
#include "tests/support/fakes.h"
#include "tests/support/ui.h"
#include "state/program_state.h"
#include "tracking/running.h"
#include "viewer/frm_report.h"

namespace tw {
namespace {

// Receives the service's PropertiesChanged signals.
class ChangeSpy : public QObject {
  Q_OBJECT
 public slots:
  void Changed(const QString&, const QVariantMap& changed, const QStringList&) { seen.append(changed); }

 public:
  QList<QVariantMap> seen;
};

class ControlTest : public test::PlatformTest {
 protected:
  ControlTest() {
    system.endThrows = false;
    folder.Write("project.lst", "Alpha\r\nWebsite redesign\r\nResearch\r\n\r\n");
    ::Setup::ReadProjectList(window);
    window.tracker().TakeClaim(ClaimFolder(folder.path()));
    ::Setup::AttachControl(service, window);
  }

  // One request through the folder's socket, answered by the window's event loop.
  std::string Ask(const std::string& request) {
    auto answer = std::async(std::launch::async, [&] { return AskFolderOwner(folder.path(), request, 5000); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    const OwnerAnswer got = answer.get();
    return got.outcome == OwnerAnswer::kAnswered ? got.text : "no answer";
  }
  void Later(int seconds) { clock.now = LocalOfInstant(InstantOfLocal(clock.now) + seconds); }
  std::string Report() { return folder.Exists("projrpt.pro") ? folder.Read("projrpt.pro") : ""; }

  frmMain window;
  ControlService service;
};

TEST_F(ControlTest, RequestsGoThroughTheWindowsRoutines) {
  const std::string start = "12/7/2026 9:01:23 PM";
  EXPECT_EQ(Ask("start\tWebsite redesign\tleft\tlayout\\nfirst"), "ok");
  // Answered once the stretch is on disk.
  EXPECT_TRUE(folder.Exists("projrpt.run"));
  EXPECT_EQ(window.ProjectText(), "Website redesign");
  EXPECT_EQ(window.StartText(), start);
  EXPECT_EQ(window.Comments(), "layout\nfirst");
  EXPECT_EQ(Ask("status"), "ok\t1\tWebsite redesign\t" + start + "\t2026-12-07T21:01:23\t0\tlayout\\nfirst");

  // The same project: nothing; another: the first recorded, once, and the second started now.
  EXPECT_EQ(Ask("start\tWebsite redesign\tleft"), "ok");
  EXPECT_EQ(Report(), "");
  clock.now.seconds += 600;
  EXPECT_EQ(Ask("start\tField notes\tleft"),
            "ok\tRecorded Website redesign from " + start + " to 12/7/2026 9:11:23 PM (00:10:00)");
  EXPECT_EQ(Report(), "Website redesign," + start + ",12/7/2026 9:11:23 PM,layout first\r\n");
  EXPECT_EQ(window.ProjectText(), "Field notes");
  EXPECT_EQ(window.StartText(), "12/7/2026 9:11:23 PM");
  EXPECT_EQ(window.Comments(), "layout\nfirst");

  // Refusals change nothing: a name no record can carry, a dialog open, ending twice.
  const std::string recorded = Report();
  EXPECT_EQ(Ask("start\ta,b\tleft"), "error\tInvalidArgument\tA project name cannot hold a comma: \"a,b\"");
  {
    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    EXPECT_EQ(Ask("end\tleft").rfind("error\tBusy\t", 0), 0u);
  }
  EXPECT_EQ(window.ProjectText(), "Field notes");
  EXPECT_TRUE(IsRunning(window));
  EXPECT_EQ(Ask("end\tleft").rfind("ok\tRecorded Field notes", 0), 0u);
  EXPECT_EQ(Ask("end\tleft"), "error\tNotRunning\tNo stretch is running");
  EXPECT_EQ(Report(), recorded + "Field notes,12/7/2026 9:11:23 PM,12/7/2026 9:11:23 PM,layout first\r\n");
  EXPECT_EQ(Ask("projects"), "ok\tAlpha\tWebsite redesign\tResearch");

  // Show: the window back from the notification area, as a second start of the program asks.
  window.hide();
  EXPECT_EQ(Ask(kShowRequest.data()), "ok");
  EXPECT_TRUE(window.isVisible());
  // Shown when it is on the screen already (as a D-Bus activation's Show finds the window it just
  // started): raised, the status bar's first panel kept.
  window.SetStatusText("Status");
  EXPECT_EQ(Ask(kShowRequest.data()), "ok");
  EXPECT_EQ(test::Child(window, "sbStatusBar.Panel1")->property("text").toString(), "Status");
}

// A request from outside ends a stretch at the moment the person left when they were away and not
// asked yet (or now, told to keep the time away); a moment named is the end, as one typed into the
// end box is. The answer says so; a dry run before it says the same and leaves the absence as it was.
TEST_F(ControlTest, TimeAwayIsNotCountedByAnEndFromOutside) {
  settings.values["IdleMinutes"] = "1";
  auto* idle = new test::FakeIdleSource;
  window.WatchAbsences(std::make_unique<AwayWatch>(test::Only(idle), nullptr));
  const DateFormat us = test::UsFormat();
  struct Case {
    const char* rule;
    int at;   // seconds after the start, or -1: now
    int end;  // seconds after the start the record ends, or -1: now
  };
  for (const Case& c : {Case{"left", -1, 10}, Case{"keep", -1, -1}, Case{"left", 5, 5}, Case{"left", 60, 60}}) {
    folder.Write("projrpt.pro", "");
    EXPECT_EQ(Ask("start\tResearch\tleft"), "ok");
    const std::string start = window.StartText();
    const std::int64_t from = InstantOfLocal(*us.Parse(start));
    Later(100);
    idle->idleSeconds = 90;  // left 10 seconds after the start
    window.LookForAway();
    Later(30);
    const std::string at = c.at < 0 ? "" : std::to_string(from + c.at);
    const std::string dry = Ask(std::string("end-at\t") + c.rule + "\t" + at + "\t1");
    EXPECT_EQ(dry.rfind("ok\tWould record Research", 0), 0u) << dry;
    EXPECT_EQ(Report(), "");
    const std::string answer =
        c.at < 0 ? Ask(std::string("end\t") + c.rule) : Ask(std::string("end-at\t") + c.rule + "\t" + at + "\t0");
    const std::string end = c.end < 0 ? window.EndText() : us.FormatGeneral(LocalOfInstant(from + c.end));
    EXPECT_EQ(answer.find("ended when you left") != std::string::npos, c.end == 10) << answer;
    EXPECT_EQ(dry.substr(std::string("ok\tWould record").size()), answer.substr(std::string("ok\tRecorded").size()));
    EXPECT_EQ(Report(), "Research," + start + "," + end + ",\r\n") << c.rule << " " << c.at;
    EXPECT_TRUE(dialogs.shown.empty());
    idle->idleSeconds = 0;
    Later(600);
  }
}

// A mending verb of tallywright-ctl goes through the running program: the report window open on the
// day shows the stretch at once, and the command prints what it did.
TEST_F(ControlTest, AMendingVerbGoesThroughTheProgramAndTheReportWindowShowsIt) {
  folder.Write("projrpt.pro", "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:00:00 AM,\r\n");
  Setup::DisplayDate = clock.now;
  std::ostringstream out, err;
  CtlContext c{{}, out, err, []() -> Tracker& { throw ControlError(kFailed, "not asked"); },
               [&] { return folder.path(); }, {}};
  int asked = 0;
  c.askOwner = [&](std::string_view line) {
    ++asked;
    return AskFolderOwner(folder.path(), line, 5000);
  };
  test::WhileShown([&] { Setup::ShowReport(window, ReportWindows(), Setup::DisplayDate); }, [&] {
    ASSERT_NE(frmReport::Loaded(), nullptr);
    const auto* list = frmReport::Loaded()->findChild<QTreeWidget*>("ListView");
    ASSERT_GE(list->topLevelItemCount(), 1);
    EXPECT_NE(list->topLevelItem(list->topLevelItemCount() - 1)->text(0), "Research");
    auto status = std::async(std::launch::async, [&] { return RunCtl({"track", "11:00", "12:00", "Research"}, c); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return status.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    EXPECT_EQ(status.get(), kCtlDone) << err.str();
    ASSERT_GE(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "Research");
    frmReport::Loaded()->close();
  });
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(out.str().rfind("Added: ", 0), 0u) << out.str();
  EXPECT_EQ(Report(), "Alpha,12/7/2026 9:00:00 AM,12/7/2026 10:00:00 AM,\r\n"
                      "Research,12/7/2026 11:00:00 AM,12/7/2026 12:00:00 PM,\r\n");
}

// A half request holds up only the socket's own thread: the window goes on, and answers the next
// request once that one is dropped.
TEST_F(ControlTest, AHalfRequestDoesNotHoldTheWindow) {
  sockaddr_un address{};
  socklen_t length = sizeof address;
  ASSERT_EQ(::getsockname(window.tracker().claim()->fd(), reinterpret_cast<sockaddr*>(&address), &length), 0);
  const int half = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::connect(half, reinterpret_cast<sockaddr*>(&address), length), 0);
  ASSERT_EQ(::send(half, "20\nsta", 6, MSG_NOSIGNAL), 6);
  QElapsedTimer waited;
  waited.start();
  bool fired = false;
  QTimer::singleShot(10, [&] { fired = true; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return fired; }, 1000));
  EXPECT_LT(waited.elapsed(), 150);
  EXPECT_EQ(Ask("status").rfind("ok\t0\t", 0), 0u);
  ::close(half);
}

// Started while another process held the folder (tallywright-ctl at work on it), the window says
// so, and owns the folder once it comes free: its socket answers, its stretch is kept on disk.
TEST_F(ControlTest, AWindowStartedWhileTheFolderIsHeldOwnsItOnceFree) {
  window.tracker().TakeClaim(nullptr);
  const QLabel* panel = test::Child<QLabel>(window, "sbStatusBar.Panel1");
  EXPECT_EQ(panel->text().toStdString(), kAnotherCopyTracking);
  auto held = ClaimFolder(folder.path(), 0, false);
  ASSERT_TRUE(held);
  EXPECT_FALSE(window.tracker().TryClaim());
  held.reset();
  EXPECT_TRUE(window.tracker().TryClaim());
  EXPECT_EQ(panel->text().toStdString(), "Status");
  EXPECT_EQ(Ask("start\tResearch\tleft"), "ok");
  EXPECT_TRUE(folder.Exists("projrpt.run"));
}

// The data folder moved (Preferences), or deleted and made again at its path: the window owns the
// folder it works in now, and lets the old one go.
TEST_F(ControlTest, TheClaimFollowsTheDataFolder) {
  const std::string old = folder.path(), moved = folder.File("moved");
  std::filesystem::create_directories(moved);
  system.folder = moved;
  window.tracker().FollowDataFolder();
  EXPECT_TRUE(window.tracker().OwnsFolder());
  EXPECT_EQ(ClaimFolder(moved), nullptr);
  EXPECT_NE(ClaimFolder(old), nullptr);

  // Deleted and made again: another folder at the same path.
  std::filesystem::remove_all(moved);
  window.tracker().FollowDataFolder();  // nothing there to claim: the claim stays as it was
  std::filesystem::create_directories(moved);
  EXPECT_NE(ClaimFolder(moved, 0, false), nullptr) << "the new folder is nobody's yet";
  window.tracker().FollowDataFolder();
  EXPECT_TRUE(window.tracker().OwnsFolder());
  EXPECT_EQ(ClaimFolder(moved), nullptr);
  // Held by another process meanwhile: this copy says so and tries again.
  std::filesystem::remove_all(moved);
  std::filesystem::create_directories(moved);
  auto other = ClaimFolder(moved, 0, false);
  ASSERT_NE(other, nullptr);
  window.tracker().FollowDataFolder();
  EXPECT_FALSE(window.tracker().OwnsFolder());
  other.reset();
  EXPECT_TRUE(window.tracker().TryClaim());
  system.folder = old;
}

TEST_F(ControlTest, ASecondStartOnTheFolderBringsTheFirstForwardAndEnds) {
  // The program started again on this folder, with no bus and another runtime folder each time.
  std::filesystem::create_directories(folder.File("config/Tallywright"));
  folder.Write("config/Tallywright/Tallywright.ini", "[Settings]\nDataFolder=" + folder.path() + "\n");
  const std::string files = folder.Read("project.lst");
  for (const char* runtime : {"/tmp", "/nonexistent"}) {
    window.hide();
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(folder.File("config")));
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    second.setProcessEnvironment(env);
    second.start(TW_PROGRAM, {});
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 10000)) << runtime;
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << runtime;
    EXPECT_TRUE(window.isVisible()) << runtime;
  }
  EXPECT_EQ(folder.Read("project.lst"), files);
  EXPECT_FALSE(folder.Exists("projrpt.pro") || folder.Exists("projrpt.run"));
}

TEST_F(ControlTest, DBusMethodsAndPropertiesChanged) {
  if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
  ASSERT_TRUE(service.Publish(FolderIdentity(folder.path())));
  QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "client");
  ChangeSpy spy;
  ASSERT_TRUE(client.connect(kServiceName, kObjectPath, "org.freedesktop.DBus.Properties", "PropertiesChanged", &spy,
                             SLOT(Changed(QString, QVariantMap, QStringList))));
  const auto call = [&](const QString& service, const char* method, QVariantList args = {}) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, kObjectPath, kControlInterface, method);
    message.setArguments(args);
    return client.call(message, QDBus::BlockWithGui);
  };
  EXPECT_EQ(call(QString::fromStdString(FolderServiceName(FolderIdentity(folder.path()))), "Start", {"Research", "notes"}).type(),
            QDBusMessage::ReplyMessage);
  EXPECT_TRUE(IsRunning(window));
  const QDBusMessage status = call(kServiceName, "Status");
  EXPECT_EQ(qdbus_cast<QVariantMap>(status.arguments().value(0)).value("Project").toString(), "Research");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !spy.seen.isEmpty(); }));
  EXPECT_EQ(spy.seen.last().value("Running"), QVariant(true));

  // A change made in the window is announced too.
  spy.seen.clear();
  window.SetComments("changed in the window");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !spy.seen.isEmpty(); }));
  EXPECT_EQ(spy.seen.last(), (QVariantMap{{"Comment", "changed in the window"}}));

  EXPECT_EQ(call(kServiceName, "End").type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(Report(), "Research,12/7/2026 9:01:23 PM,12/7/2026 9:01:23 PM,changed in the window\r\n");
  const QDBusMessage again = call(kServiceName, "End");
  EXPECT_EQ(again.errorName(), "com.quillfen.Tallywright1.Error.NotRunning");
  EXPECT_EQ(call(kServiceName, "Start", {"two\nlines", ""}).errorName(),
            "com.quillfen.Tallywright1.Error.InvalidArgument");
  EXPECT_EQ(Report(), "Research,12/7/2026 9:01:23 PM,12/7/2026 9:01:23 PM,changed in the window\r\n");

  // Properties: an unknown interface is an error for GetAll as for Get; nothing can be set.
  const auto properties = [&](const char* method, QVariantList args) {
    QDBusMessage message = QDBusMessage::createMethodCall(kServiceName, kObjectPath, "org.freedesktop.DBus.Properties", method);
    message.setArguments(args);
    return client.call(message, QDBus::BlockWithGui);
  };
  EXPECT_EQ(properties("GetAll", {"org.example.None"}).errorName(), "org.freedesktop.DBus.Error.UnknownInterface");
  EXPECT_EQ(properties("Get", {"org.example.None", "Running"}).errorName(), "org.freedesktop.DBus.Error.UnknownInterface");
  EXPECT_EQ(properties("Get", {kControlInterface, "Nope"}).errorName(), "org.freedesktop.DBus.Error.UnknownProperty");
  EXPECT_EQ(properties("GetAll", {kControlInterface}).arguments().size(), 1);
  EXPECT_EQ(properties("Set", {kControlInterface, "Project", QVariant::fromValue(QDBusVariant("x"))}).errorName(),
            "org.freedesktop.DBus.Error.PropertyReadOnly");

  // A settings file that cannot be written during Start: an error answer, the program goes on.
  struct Unwritable : test::FakeSettings {
    using FakeSettings::FakeSettings;
    void SaveSetting(const std::string&, const std::string&, const std::string&, const std::string&) override {
      throw RunError(75, "Path/File access error");
    }
  } unwritable{log};
  unwritable.values = settings.values;
  Settings* kept = std::exchange(platform().settings, &unwritable);
  const QDBusMessage refused = call(kServiceName, "Start", {"Alpha", ""});
  platform().settings = kept;
  EXPECT_EQ(refused.errorName(), "com.quillfen.Tallywright1.Error.Failed");
  EXPECT_FALSE(IsRunning(window));
  EXPECT_EQ(window.ProjectText(), "Research");

  // After time away, End asks first, the window forward, and answers once the person has.
  settings.values["IdleMinutes"] = "1";
  auto* idle = new test::FakeIdleSource;
  window.WatchAbsences(std::make_unique<AwayWatch>(test::Only(idle), nullptr));
  Later(60);
  ASSERT_EQ(call(kServiceName, "Start", {"Research", ""}).type(), QDBusMessage::ReplyMessage);
  const std::string start = window.StartText();
  Later(100);
  idle->idleSeconds = 90;
  window.LookForAway();
  Later(5);
  idle->idleSeconds = 0;
  dialogs.answers = {1};  // End Then
  const size_t asked = dialogs.shown.size();
  EXPECT_EQ(call(kServiceName, "End").type(), QDBusMessage::ReplyMessage);
  ASSERT_EQ(dialogs.shown.size(), asked + 1);
  EXPECT_EQ(dialogs.shown.back().prompt.rfind("You were away from", 0), 0u);
  const DateFormat us = test::UsFormat();
  EXPECT_NE(Report().find("Research," + start + "," + us.FormatGeneral(LocalOfInstant(InstantOfLocal(*us.Parse(start)) + 10))),
            std::string::npos);
}

// What the bus is told the object has: the interface as installed (the same text, built in) with
// the standard ones, as one document a D-Bus tool can read.
TEST_F(ControlTest, TheLiveInterfaceIsTheInstalledOneWithTheStandardOnes) {
  if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
  ASSERT_TRUE(service.Publish(FolderIdentity(folder.path())));
  QDBusConnection client = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "introspecting");
  const QDBusMessage reply = client.call(
      QDBusMessage::createMethodCall(kServiceName, kObjectPath, "org.freedesktop.DBus.Introspectable", "Introspect"),
      QDBus::BlockWithGui);
  ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
  QXmlStreamReader reader(reply.arguments().value(0).toString());
  std::vector<std::string> names;
  while (!reader.atEnd())
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"interface")
      names.push_back(reader.attributes().value("name").toString().toStdString());
  EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{kControlInterface, "org.freedesktop.DBus.Introspectable",
                                             "org.freedesktop.DBus.Peer", "org.freedesktop.DBus.Properties"}));
}

}  // namespace
}  // namespace tw

#include "control_window_test.moc"
