#include "control/control_service.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTimer>

#include "desktop/qt_text.h"

namespace tw {
namespace {

// A status as the D-Bus properties carry it, by name.
QVariantMap Properties(const TrackerStatus& s) {
  return {{"Running", s.running},
          {"Project", FromBytes(s.project)},
          {"Start", FromBytes(s.start)},
          {"StartIso", FromBytes(s.startIso)},
          {"Elapsed", qlonglong(s.elapsed)},
          {"Comment", FromBytes(s.comment)}};
}

// The refusals of a tracker that has no window yet.
class Starting : public Tracker {
 public:
  void Start(const std::string&, const std::string&) override { Refuse(); }
  void End() override { Refuse(); }
  TrackerStatus Status() override { Refuse(); }
  std::vector<std::string> Projects() override { Refuse(); }
  void Show() override { Refuse(); }

 private:
  [[noreturn]] static void Refuse() { throw ControlError(kBusy, "Tallywright is starting; try again in a moment"); }
};

}  // namespace

ControlService::ControlService(std::unique_ptr<FolderOwner> owner) : owner_(std::move(owner)) {
  if (!owner_) return;
  requests_ = std::make_unique<QSocketNotifier>(owner_->fd(), QSocketNotifier::Read);
  connect(requests_.get(), &QSocketNotifier::activated, this, [this] {
    owner_->AnswerOne([this](std::string_view request) { return AnswerRequest(request, tracker()); });
  });
}

void ControlService::Attach(MainView& view, std::function<bool()> shuttingDown, std::function<void()> show) {
  const auto ready = [shuttingDown = std::move(shuttingDown)] {
    if (shuttingDown()) throw ControlError(kShuttingDown, "Tallywright is ending");
    // The boxes behind a dialog never change: the user answers it first.
    if (QApplication::activeModalWidget())
      throw ControlError(kBusy, "Tallywright is waiting for an answer in one of its windows");
  };
  tracker_ = std::make_unique<ViewTracker>(view, ready, std::move(show));
  announced_ = Snapshot();
}

void ControlService::ViewChanged() {
  if (!tracker_ || announcing_) return;
  announcing_ = true;
  QTimer::singleShot(0, this, [this] {
    announcing_ = false;
    AnnounceChanges();
  });
}

bool ControlService::Publish(const std::string& folderIdentity) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  bus.registerObject(kObjectPath, this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
  // The service's own name goes to the first copy; a copy on another data folder waits in line
  // for it, and answers meanwhile under its folder's name.
  bus.interface()->registerService(kServiceName, QDBusConnectionInterface::QueueService,
                                   QDBusConnectionInterface::DontAllowReplacement);
  if (!folderIdentity.empty()) bus.interface()->registerService(QString::fromStdString(FolderServiceName(folderIdentity)));
  return true;
}

Tracker& ControlService::tracker() const {
  static Starting starting;
  return tracker_ ? static_cast<Tracker&>(*tracker_) : starting;
}

template <class Request>
auto ControlService::Answer(Request request) -> decltype(request()) {
  try {
    return request();
  } catch (const ControlError& e) {
    if (calledFromDBus()) sendErrorReply(QString(kControlErrorPrefix) + FromBytes(e.name()), FromBytes(e.what()));
    return decltype(request())();
  }
}

TrackerStatus ControlService::Snapshot() const {
  try {
    return tracker().Status();
  } catch (const ControlError&) {
    return {};
  }
}

void ControlService::AnnounceChanges() {
  TrackerStatus now = Snapshot();
  now.elapsed = announced_.elapsed;  // counted by the clock: read, never announced
  const QVariantMap before = Properties(announced_), after = Properties(now);
  QVariantMap changed;
  for (auto it = after.begin(); it != after.end(); ++it)
    if (before.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
  announced_ = now;
  if (changed.isEmpty()) return;
  QDBusMessage signal =
      QDBusMessage::createSignal(kObjectPath, "org.freedesktop.DBus.Properties", "PropertiesChanged");
  signal << QString(kControlInterface) << changed << QStringList();
  QDBusConnection::sessionBus().send(signal);
}

bool ControlService::running() const { return Snapshot().running; }
QString ControlService::project() const { return FromBytes(Snapshot().project); }
QString ControlService::start() const { return FromBytes(Snapshot().start); }
QString ControlService::startIso() const { return FromBytes(Snapshot().startIso); }
qlonglong ControlService::elapsed() const { return Snapshot().elapsed; }
QString ControlService::comment() const { return FromBytes(Snapshot().comment); }

void ControlService::Start(const QString& project, const QString& comment) {
  Answer([&] { tracker().Start(ToBytes(project), ToBytes(comment)); });
}

void ControlService::End() {
  Answer([&] { tracker().End(); });
}

QVariantMap ControlService::Status() {
  return Answer([&] { return Properties(tracker().Status()); });
}

QStringList ControlService::Projects() {
  return Answer([&] {
    QStringList names;
    for (const std::string& name : tracker().Projects()) names << FromBytes(name);
    return names;
  });
}

void ControlService::Show() {
  Answer([&] { tracker().Show(); });
}

}  // namespace tw
