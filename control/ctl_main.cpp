// tallywright-ctl: drives Tallywright from a terminal, a keyboard shortcut or a panel.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QTimer>
#include <QFileInfo>
#include <QProcess>
#include <chrono>
#include <iostream>
#include <thread>

#include "control/ctl_folder.h"
#include "control/ctl_lean.h"
#include "control/ctl_verbs.h"
#include "control/mend.h"
#include "desktop/qt_locale.h"
#include "desktop/qt_messages.h"
#include "desktop/qt_settings.h"
#include "desktop/qt_translations.h"
#include "import/hamster.h"
#include "platform/clock.h"
#include "platform/folder_owner.h"
#include "platform/platform.h"
#include "platform/system.h"
#include "platform/translate.h"
#include "store/folder_reports.h"
#include "summaries/status_figures.h"
#include "tracking/running.h"

namespace {

// What the routines would ask in a message box is told on standard error; the default answer is
// taken (Abort, for a failure: the routine stops).
class StderrDialogs : public tw::Dialogs {
 public:
  int MsgBox(const std::string& prompt, int style, const std::string&) override {
    std::cerr << "tallywright-ctl: " << prompt << '\n';
    return (style & 7) == tw::MsgStyle::AbortRetryIgnore ? tw::MsgResult::Abort : tw::MsgResult::Ok;
  }
  int Choose(const std::string& prompt, const std::string&, const std::vector<std::string>&, int defaultButton,
             int) override {
    std::cerr << "tallywright-ctl: " << prompt << '\n';
    return defaultButton;
  }
};

// Qt's event loop and D-Bus want an application object: made only for the verbs that use them, so
// that the others start sooner.
void NeedApplication() {
  static int argc = 1;
  static char name[] = "tallywright-ctl";
  static char* argv[] = {name, nullptr};
  static QCoreApplication application(argc, argv);
}

// Started by the quick tallywright-ctl, this command lives in libexec, but its folder is the quick
// command's: there the data folder's default rule looks, and the program is found beside it.
class CtlSystem : public tw::PosixSystem {
 public:
  CtlSystem() {
    if (const char* folder = std::getenv(tw::kCtlFolderVariable)) {
      folder_ = folder;
      ::unsetenv(tw::kCtlFolderVariable);  // not handed on to a program this command starts
    }
  }
  std::string ProgramFolder() const override { return folder_.empty() ? PosixSystem::ProgramFolder() : folder_; }

 private:
  std::string folder_;
};

// Brings the program forward with no copy running: through D-Bus activation where there is a
// session bus, else by starting the program beside this command (or on the search path).
void StartProgram() {
  NeedApplication();
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (bus.isConnected()) {
    const QDBusMessage reply = bus.call(
        QDBusMessage::createMethodCall(tw::kServiceName, tw::kObjectPath,
                                       tw::kControlInterface, "Show"),
        QDBus::Block, 30000);
    if (reply.type() == QDBusMessage::ReplyMessage) return;
  }
  const QString beside = QString::fromStdString(tw::JoinPath(tw::platform().system->ProgramFolder(), "Tallywright"));
  const QString program = QFileInfo(beside).isExecutable() ? beside : QStringLiteral("Tallywright");
  if (!QProcess::startDetached(program, {}))
    throw tw::ControlError(tw::kNoProgram, "Tallywright could not be started");
}

// The copy that owns the data folder, asked through the folder itself whatever bus or runtime
// folder it runs with; with none owning it, the data folder directly.
class CtlTracker {
 public:
  // prepare runs before the data folder is acted on directly.
  CtlTracker(std::string folder, std::function<void()> prepare)
      : owner_([folder = std::move(folder)](std::string_view line) { return tw::AskFolderOwner(folder, line, 15000); },
               [this, prepare = std::move(prepare)]() -> tw::Tracker& {
                 prepare();
                 folder_ = tw::FolderTracker(StartProgram);
                 return *folder_;
               }) {}
  tw::Tracker& tracker() { return owner_; }

 private:
  tw::OwnerTracker owner_;
  std::unique_ptr<tw::TrackerModel> folder_;
};

// Takes the running copy's announcements of a change.
class Announcements : public QObject {
  Q_OBJECT
 public:
  explicit Announcements(std::function<void()> look) : look_(std::move(look)) {}
 public slots:
  void Changed() { look_(); }

 private:
  std::function<void()> look_;
};

}  // namespace

int main(int argc, char** argv) {
  tw::QuietenRuntimeFolderNotice();
  tw::SetDatabaseReader(tw::ReadHamster);
  tw::Files files;
  // The settings name the data folder (DataFolder) and this machine in a shared one.
  tw::QtSettings settings;
  StderrDialogs dialogs;
  CtlSystem system;
  tw::SystemClock clock;
  tw::DateFormat dateFormat;  // the user's, read when the data folder is acted on directly
  tw::platform() = tw::Platform{&files, &settings, &dialogs, &system, &clock, &dateFormat, nullptr};
  // Its messages in the person's language; what scripts read (JSON, exit statuses) in any.
  tw::InstallTranslations(settings.GetSetting(tw::kProductName, tw::kSettingsSection, tw::kLanguageSetting, ""),
                          system.ProgramFolder());

  std::unique_ptr<CtlTracker> tracker;
  const auto pick = [&]() -> tw::Tracker& {
    if (!tracker)
      tracker = std::make_unique<CtlTracker>(system.DataFolder(), [&] { dateFormat = tw::UserDateFormat(); });
    return tracker->tracker();
  };
  // A line at every change, and once a minute while a stretch runs: with a session bus, at the
  // running copy's announcements and as it comes and goes; without one, asked every two seconds.
  const auto follow = [&](const std::function<void(const tw::TrackerStatus&)>& print) {
    std::optional<tw::TrackerStatus> shown;
    auto printed = std::chrono::steady_clock::now();
    const auto look = [&] {
      tracker.reset();
      tw::TrackerStatus now;
      try {
        now = pick().Status();
      } catch (const tw::ControlError& e) {
        std::cerr << "tallywright-ctl: " << e.what() << '\n';
      }
      tw::TrackerStatus compared = now;
      if (shown) compared.elapsed = shown->elapsed;
      const auto moment = std::chrono::steady_clock::now();
      if (!shown || compared != *shown || (now.running && moment - printed >= std::chrono::seconds(59))) {
        print(now);
        shown = now;
        printed = moment;
      }
    };
    look();
    NeedApplication();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
      for (;;) {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        look();
      }
    }
    const QString name = QString::fromStdString(tw::FolderServiceName(tw::FolderIdentity(system.DataFolder())));
    Announcements announcements(look);
    bus.connect(name, tw::kObjectPath, "org.freedesktop.DBus.Properties", "PropertiesChanged", &announcements,
                SLOT(Changed()));
    QDBusServiceWatcher watcher(name, bus, QDBusServiceWatcher::WatchForOwnerChange);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceOwnerChanged, look);
    QTimer minute;
    QObject::connect(&minute, &QTimer::timeout, look);
    minute.start(60 * 1000);
    return QCoreApplication::exec();
  };
  tw::CtlContext context{{}, std::cout, std::cerr, pick, [&] { return system.DataFolder(); }, follow};
  // The budget's and the balance's figures: the reports read in the user's date form, at each line.
  context.figures = [&](const tw::TrackerStatus& status) {
    NeedApplication();
    dateFormat = tw::UserDateFormat();
    try {
      return tw::ReadStatusFigures(files, system.DataFolder(), tw::DataFolderReports(), settings, status.project,
                                   status.comment, status.elapsed, clock.Now(), tw::FirstWeekdayOf(QLocale::system()));
    } catch (const tw::RunError& e) {
      std::cerr << "tallywright-ctl: " << e.description() << '\n';  // the line goes on without them
      return tw::StatusFigures{};
    }
  };
  context.askOwner = [&](std::string_view line) { return tw::AskFolderOwner(system.DataFolder(), line, 15000); };
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "import" || tw::IsMendVerb(args[0]))) {
    // An import or a mending writes in the report's form, and an import may read a database
    // through Qt's SQL drivers.
    NeedApplication();
    dateFormat = tw::UserDateFormat();
    context.firstWeekday = tw::FirstWeekdayOf(QLocale::system());
  }
  const int status = tw::RunCtl(args, context);
  tw::WaitForRunningFile();
  return status;
}

#include "ctl_main.moc"
