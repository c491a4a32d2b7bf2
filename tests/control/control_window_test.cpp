// The running program driven from outside: requests through the data folder's socket (with or
// without a bus) and, under a session bus of its own, through D-Bus, against the window and the
// report file.
#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDialog>
#include <QProcess>
#include <QTest>
#include <filesystem>
#include <future>

#include "control/control_service.h"
#include "projects/project_list.h"
#include "shell/frm_main.h"
#include "shell/setup_main.h"
#include "tests/support/fakes.h"
#include "tracking/running.h"

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
    ::Setup::AttachControl(service, window);
  }

  // One request through the folder's socket, answered by the window's event loop.
  std::string Ask(const std::string& request) {
    auto answer = std::async(std::launch::async, [&] { return AskFolderOwner(folder.path(), request, 5000); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    return answer.get().value_or("no answer");
  }
  std::string Report() { return folder.Exists("projrpt.pro") ? folder.Read("projrpt.pro") : ""; }

  frmMain window;
  ControlService service{ClaimFolder(folder.path())};
};

TEST_F(ControlTest, RequestsGoThroughTheWindowsRoutines) {
  const std::string start = "12/7/2026 9:01:23 PM";
  EXPECT_EQ(Ask("start\tWebsite redesign\tlayout\\nfirst"), "ok");
  EXPECT_EQ(window.ProjectText(), "Website redesign");
  EXPECT_EQ(window.StartText(), start);
  EXPECT_EQ(window.Comments(), "layout\nfirst");
  WaitForRunningFile();
  EXPECT_TRUE(folder.Exists("projrpt.run"));
  EXPECT_EQ(Ask("status"), "ok\t1\tWebsite redesign\t" + start + "\t2026-12-07T21:01:23\t0\tlayout\\nfirst");

  // The same project: nothing; another: the first recorded, once, and the second started now.
  EXPECT_EQ(Ask("start\tWebsite redesign\t"), "ok");
  EXPECT_EQ(Report(), "");
  clock.now.seconds += 600;
  EXPECT_EQ(Ask("start\tField notes\t"), "ok");
  EXPECT_EQ(Report(), "Website redesign," + start + ",12/7/2026 9:11:23 PM,layout first\r\n");
  EXPECT_EQ(window.ProjectText(), "Field notes");
  EXPECT_EQ(window.StartText(), "12/7/2026 9:11:23 PM");
  EXPECT_EQ(window.Comments(), "layout\nfirst");

  // Refusals change nothing: a name no record can carry, a dialog open, ending twice.
  const std::string recorded = Report();
  EXPECT_EQ(Ask("start\ta,b\t"), "error\tInvalidArgument\tA project name cannot hold a comma: \"a,b\"");
  EXPECT_EQ(Ask("start\t" + std::string(201, 'x') + "\t").rfind("error\tInvalidArgument\t", 0), 0u);
  {
    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    EXPECT_EQ(Ask("end").rfind("error\tBusy\t", 0), 0u);
  }
  EXPECT_EQ(window.ProjectText(), "Field notes");
  EXPECT_TRUE(IsRunning(window));
  EXPECT_EQ(Ask("end"), "ok");
  EXPECT_EQ(Ask("end"), "error\tNotRunning\tNo stretch is running");
  EXPECT_EQ(Report(), recorded + "Field notes,12/7/2026 9:11:23 PM,12/7/2026 9:11:23 PM,layout first\r\n");
  EXPECT_EQ(Ask("projects"), "ok\tAlpha\tWebsite redesign\tResearch");

  // Show: the window back from the notification area, as a second start of the program asks.
  window.hide();
  EXPECT_EQ(Ask(kShowRequest.data()), "ok");
  EXPECT_TRUE(window.isVisible());
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
}

}  // namespace
}  // namespace tw

#include "control_window_test.moc"
