// tallywright-ctl: drives Tallywright from a terminal, a keyboard shortcut or a panel.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QProcess>
#include <chrono>
#include <iostream>
#include <thread>

#include "app/ctl_command.h"
#include "app/ctl_folder.h"
#include "desktop/qt_locale.h"
#include "desktop/qt_messages.h"
#include "desktop/qt_settings.h"
#include "platform/clock.h"
#include "platform/folder_owner.h"
#include "platform/platform.h"
#include "platform/system.h"
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

// Brings the program forward with no copy running: through D-Bus activation where there is a
// session bus, else by starting the program beside this command (or on the search path).
void StartProgram() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (bus.isConnected()) {
    const QDBusMessage reply = bus.call(
        QDBusMessage::createMethodCall("com.quillfen.Tallywright", "/com/quillfen/Tallywright",
                                       tw::kControlInterface, "Show"),
        QDBus::Block, 30000);
    if (reply.type() == QDBusMessage::ReplyMessage) return;
  }
  const QString beside = QString::fromStdString(tw::JoinPath(tw::PosixSystem().ProgramFolder(), "Tallywright"));
  const QString program = QFileInfo(beside).isExecutable() ? beside : QStringLiteral("Tallywright");
  if (!QProcess::startDetached(program, {}))
    throw tw::ControlError(tw::kNoProgram, "Tallywright could not be started");
}

// The copy that owns the data folder, asked through the folder itself whatever bus or runtime
// folder it runs with; with none running, the data folder directly.
class CtlTracker : public tw::Tracker {
 public:
  explicit CtlTracker(std::string folder)
      : owner_([folder = std::move(folder)](std::string_view line) {
          return tw::AskFolderOwner(folder, line, 15000);
        }) {}
  void Start(const std::string& project, const std::string& comment) override {
    Either([&](Tracker& t) { t.Start(project, comment); });
  }
  void End() override {
    Either([&](Tracker& t) { t.End(); });
  }
  tw::TrackerStatus Status() override {
    return Either([&](Tracker& t) { return t.Status(); });
  }
  std::vector<std::string> Projects() override {
    return Either([&](Tracker& t) { return t.Projects(); });
  }
  void Show() override {
    Either([&](Tracker& t) { t.Show(); });
  }

 private:
  template <class Request>
  auto Either(Request request) -> decltype(request(std::declval<Tracker&>())) {
    if (!folder_) {
      try {
        return request(owner_);
      } catch (const tw::ControlError& e) {
        if (e.name() != tw::kNoProgram) throw;
      }
      folder_ = std::make_unique<tw::FolderTracker>(StartProgram);
    }
    return request(*folder_);
  }

  tw::OwnerTracker owner_;
  std::unique_ptr<tw::FolderTracker> folder_;
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  tw::QuietenRuntimeFolderNotice();
  QCoreApplication app(argc, argv);
  tw::Files files;
  // The settings name the data folder (DataFolder) and this machine in a shared one.
  tw::QtSettings settings;
  StderrDialogs dialogs;
  tw::PosixSystem system;
  tw::SystemClock clock;
  const tw::DateFormat dateFormat = tw::UserDateFormat();
  tw::platform() = tw::Platform{&files, &settings, &dialogs, &system, &clock, &dateFormat, nullptr};

  std::unique_ptr<CtlTracker> tracker;
  const auto pick = [&]() -> tw::Tracker& {
    if (!tracker) tracker = std::make_unique<CtlTracker>(system.DataFolder());
    return *tracker;
  };
  // Asked again every two seconds, each time afresh; a line at every change, and once a minute
  // while a stretch runs.
  const auto follow = [&](const std::function<void(const tw::TrackerStatus&)>& print) {
    std::optional<tw::TrackerStatus> shown;
    auto printed = std::chrono::steady_clock::now();
    for (;;) {
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
      if (!shown || compared != *shown || (now.running && moment - printed >= std::chrono::minutes(1))) {
        print(now);
        shown = now;
        printed = moment;
      }
      std::this_thread::sleep_for(std::chrono::seconds(2));
    }
    return tw::kCtlDone;
  };
  tw::CtlContext context{{}, std::cout, std::cerr, pick, [&] { return system.DataFolder(); }, follow};
  const int status = tw::RunCtl(args, context);
  tw::WaitForRunningFile();
  return status;
}
