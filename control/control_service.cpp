#include "control/control_service.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QTimer>
#include <cerrno>

#include "control/mend.h"
#include "control/request_line.h"
#include "desktop/qt_locale.h"
#include "desktop/qt_text.h"
#include "platform/run_error.h"

// The installed description's text, made from packaging/com.quillfen.Tallywright1.xml by the build.
extern const char* const kControlInterfaceFile;

namespace tw {
namespace {

constexpr const char* kPropertiesInterface = "org.freedesktop.DBus.Properties";

// A status as the D-Bus properties carry it, by name.
QVariantMap Properties(const TrackerStatus& s) {
  return {{"Running", s.running},
          {"Project", FromBytes(s.project)},
          {"Start", FromBytes(s.start)},
          {"StartIso", FromBytes(s.startIso)},
          {"Elapsed", qlonglong(s.elapsed)},
          {"Comment", FromBytes(s.comment)}};
}

// Runs a request; every failure becomes the caller's error, never an exception out of the call.
template <class Request>
void Answer(const QDBusMessage& message, QDBusConnection bus, Request request) {
  const auto refuse = [&](const std::string& name, const std::string& text) {
    bus.send(message.createErrorReply(QString(kControlErrorPrefix) + FromBytes(name), FromBytes(text)));
  };
  try {
    bus.send(message.createReply(request()));
  } catch (const ControlError& e) {
    refuse(e.name(), e.what());
  } catch (const RunError& e) {
    refuse(kFailed, e.description().empty() ? "error " + std::to_string(e.number()) : e.description());
  } catch (const std::exception& e) {
    refuse(kFailed, e.what());
  } catch (...) {
    refuse(kFailed, "The request failed");
  }
}

}  // namespace

QString ControlInterfaceXml() {
  const QString file = QString::fromUtf8(kControlInterfaceFile);
  const qsizetype from = file.indexOf("<interface ");
  const QString end = "</interface>";
  const qsizetype to = file.indexOf(end, from);
  if (from < 0 || to < 0) return {};
  return "  " + file.mid(from, to + end.size() - from) + "\n";
}

ControlService::ControlService() = default;

ControlService::~ControlService() {
  StopServing();
  if (tracker_) tracker_->Unsubscribe(subscription_);
}

void ControlService::Attach(TrackerModel& tracker) {
  tracker_ = &tracker;
  announced_ = tracker.Status();
  subscription_ = tracker.Subscribe([this](unsigned parts) {
    if (parts & TrackerModel::kOwner) {
      Serve();
      FollowFolderName();
    }
    if (announcing_ || !(parts & ~unsigned{TrackerModel::kElapsed})) return;
    announcing_ = true;
    QTimer::singleShot(0, this, [this] {
      announcing_ = false;
      AnnounceChanges();
    });
  });
  Serve();
}

bool ControlService::Publish(const std::string& folderIdentity) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  bus.registerVirtualObject(kObjectPath, this);
  // The service's own name goes to the first copy; a copy on another data folder waits in line
  // for it, and answers meanwhile under its folder's name.
  bus.interface()->registerService(kServiceName, QDBusConnectionInterface::QueueService,
                                   QDBusConnectionInterface::DontAllowReplacement);
  published_ = folderIdentity;
  if (!folderIdentity.empty()) bus.interface()->registerService(QString::fromStdString(FolderServiceName(folderIdentity)));
  return true;
}

void ControlService::FollowFolderName() {
  const FolderOwner* owner = tracker_ ? tracker_->claim() : nullptr;
  if (!owner || published_.empty() || owner->identity().empty() || owner->identity() == published_) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  bus.interface()->unregisterService(QString::fromStdString(FolderServiceName(published_)));
  published_ = owner->identity();
  bus.interface()->registerService(QString::fromStdString(FolderServiceName(published_)));
}

void ControlService::AnnounceChanges() {
  TrackerStatus now = tracker_->Status();
  now.elapsed = announced_.elapsed;  // counted by the clock: read, never announced
  const QVariantMap before = Properties(announced_), after = Properties(now);
  QVariantMap changed;
  for (auto it = after.begin(); it != after.end(); ++it)
    if (before.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
  announced_ = now;
  if (changed.isEmpty()) return;
  QDBusMessage signal = QDBusMessage::createSignal(kObjectPath, kPropertiesInterface, "PropertiesChanged");
  signal << QString(kControlInterface) << changed << QStringList();
  QDBusConnection::sessionBus().send(signal);
}

QString ControlService::introspect(const QString&) const { return ControlInterfaceXml(); }

bool ControlService::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
  if (message.type() != QDBusMessage::MethodCallMessage) return false;
  QDBusConnection bus(connection);
  const QString iface = message.interface(), member = message.member(), signature = message.signature();
  const QVariantList args = message.arguments();
  const auto tracker = [this]() -> TrackerModel& {
    if (!tracker_) throw ControlError(kBusy, "Tallywright is starting; try again in a moment");
    return *tracker_;
  };

  if (iface == kPropertiesInterface) {
    const QString asked = args.value(0).toString();
    const bool ours = asked == kControlInterface;
    if ((member == "Get" && signature == "ss") || (member == "GetAll" && signature == "s") ||
        (member == "Set" && signature == "ssv")) {
      if (!ours) {
        bus.send(message.createErrorReply(QDBusError::UnknownInterface, "No interface " + asked + " here"));
        return true;
      }
      if (member == "GetAll") {
        Answer(message, bus, [&] { return QVariantList{Properties(tracker().Status())}; });
        return true;
      }
      const QString name = args.value(1).toString();
      const QVariantMap all = Properties(TrackerStatus{});
      if (!all.contains(name)) {
        bus.send(message.createErrorReply(QDBusError::UnknownProperty, "No property " + name + " here"));
        return true;
      }
      if (member == "Set") {
        bus.send(message.createErrorReply(QDBusError::PropertyReadOnly, "Property " + name + " is read-only"));
        return true;
      }
      Answer(message, bus, [&] {
        return QVariantList{QVariant::fromValue(QDBusVariant(Properties(tracker().Status()).value(name)))};
      });
      return true;
    }
    return false;
  }
  static const QStringList kMembers = {"Start", "End", "Status", "Projects", "Show"};
  if (iface.isEmpty() ? !kMembers.contains(member) : iface != kControlInterface) return false;

  if (member == "Start" && signature == "ss") {
    // Carried out from the event loop once this call has returned; answered when done.
    message.setDelayedReply(true);
    const std::string project = ToBytes(args.value(0).toString()), comment = ToBytes(args.value(1).toString());
    QTimer::singleShot(0, this, [this, message, bus, project, comment, tracker] {
      Answer(message, bus, [&] {
        // An empty comment leaves the comment box as it is.
        tracker().Start(project, comment.empty() ? std::nullopt : std::optional(comment), AwayRule::kAsk, {});
        return QVariantList{};
      });
    });
  } else if (member == "End" && signature.isEmpty()) {
    message.setDelayedReply(true);
    QTimer::singleShot(0, this, [this, message, bus, tracker] {
      Answer(message, bus, [&] {
        tracker().End(AwayRule::kAsk, {});
        return QVariantList{};
      });
    });
  } else if (member == "Status" && signature.isEmpty()) {
    Answer(message, bus, [&] { return QVariantList{Properties(tracker().Status())}; });
  } else if (member == "Projects" && signature.isEmpty()) {
    Answer(message, bus, [&] {
      QStringList names;
      for (const std::string& name : tracker().Projects()) names << FromBytes(name);
      return QVariantList{names};
    });
  } else if (member == "Show" && signature.isEmpty()) {
    Answer(message, bus, [&] {
      tracker().Show();
      return QVariantList{};
    });
  } else {
    bus.send(message.createErrorReply(QDBusError::UnknownMethod,
                                      "No method " + member + " with arguments \"" + signature + "\" here"));
  }
  return true;
}

// --- the folder's socket ---------------------------------------------------------------------------

void ControlService::Serve() {
  FolderOwner* owner = tracker_ ? tracker_->claim() : nullptr;
  if (owner == served_) return;
  StopServing();
  if (!owner || owner->fd() < 0 || ::pipe2(wake_, O_CLOEXEC) != 0) return;
  served_ = owner;
  stopping_ = false;
  server_ = std::thread([this, owner] { ServeOn(owner); });
}

void ControlService::StopServing() {
  if (server_.joinable()) {
    stopping_ = true;
    (void)!::write(wake_[1], "x", 1);
    server_.join();
  }
  for (int& fd : wake_)
    if (fd >= 0) ::close(std::exchange(fd, -1));
  served_ = nullptr;
}

void ControlService::ServeOn(FolderOwner* owner) {
  while (!stopping_) {
    pollfd waiting[2] = {{owner->fd(), POLLIN, 0}, {wake_[0], POLLIN, 0}};
    if (::poll(waiting, 2, -1) < 0) {
      if (errno == EINTR) continue;
      return;
    }
    if (stopping_) return;
    if (!(waiting[0].revents & POLLIN)) continue;
    std::optional<OwnerRequest> request = owner->Take(2000);
    if (!request) continue;
    // Handed over under the exchange's own lock (Qt's event queue carries only the wake), and
    // waited for while watching for the end.
    std::unique_lock hold(exchange_.mutex);
    exchange_.request = request->text();
    exchange_.answer.reset();
    hold.unlock();
    QMetaObject::invokeMethod(this, "AnswerWaiting", Qt::QueuedConnection);  // by name: Qt owns the call
    hold.lock();
    while (!exchange_.answer) {
      if (stopping_) return;
      exchange_.done.wait_for(hold, std::chrono::milliseconds(50));
    }
    const std::string answer = std::move(*exchange_.answer);
    hold.unlock();
    request->Answer(answer);
  }
}

void ControlService::AnswerWaiting() {
  std::unique_lock hold(exchange_.mutex);
  if (!exchange_.request) return;
  const std::string request = std::move(*exchange_.request);
  exchange_.request.reset();
  hold.unlock();
  std::string answer = AnswerHere(request);
  hold.lock();
  exchange_.answer = std::move(answer);
  exchange_.done.notify_all();
}

std::string ControlService::AnswerHere(const std::string& request) {
  if (!tracker_) return JoinRequestLine({"error", kBusy, "Tallywright is starting; try again in a moment"});
  if (IsMendRequest(request)) {
    const std::string answer = AnswerMendRequest(request, FirstWeekdayOf(QLocale::system()));
    if (recordChanged_ && MendRequestWrites(request)) recordChanged_();
    return answer;
  }
  return AnswerRequest(request, *tracker_);
}

}  // namespace tw
