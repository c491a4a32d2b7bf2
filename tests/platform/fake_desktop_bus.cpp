// A stand-in for the desktop's D-Bus services, run by the idle tests as a child process on their
// private bus so that their blocking calls cannot wait on themselves.
//
//   fake_desktop_bus ADDRESS [gnome] [freedesktop] [logind] [watcher]
//
// serves GNOME's idle monitor and screen saver, the freedesktop screen saver, logind's sleep
// signal and a notification area's StatusNotifierWatcher (with a host registered) as asked, prints
// "ready" once it owns their names and "item SERVICE" for each notification icon that registers,
// and takes orders from the test on org.tallywright.FakeDesktop (path /control): SetIdle(t ms),
// SetActive(b), Sleep(), Wake(), Stall(b) (idle-time calls get no answer).
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <cstdio>

namespace {

const QString kControl = QStringLiteral("org.tallywright.FakeDesktop");
const QString kGnomeIdle = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kGnomeLock = QStringLiteral("org.gnome.ScreenSaver");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");

class FakeDesktop : public QDBusVirtualObject {
 public:
  explicit FakeDesktop(QDBusConnection bus) : bus_(std::move(bus)) {}

  QString introspect(const QString&) const override { return {}; }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection&) override {
    const QString interface = message.interface();
    const QString member = message.member();
    const QVariantList args = message.arguments();
    if (interface == kGnomeIdle && member == QLatin1String("GetIdletime")) {
      if (!stalled_) Reply(message, QVariant::fromValue(static_cast<qulonglong>(idleMs_)));
    } else if (interface == kScreenSaver && member == QLatin1String("GetSessionIdleTime")) {
      if (!stalled_) Reply(message, QVariant::fromValue(static_cast<uint>(idleMs_)));
    } else if ((interface == kScreenSaver || interface == kGnomeLock) &&
               member == QLatin1String("GetActive")) {
      Reply(message, active_);
    } else if (interface == kControl && member == QLatin1String("SetIdle")) {
      idleMs_ = args.value(0).toLongLong();
      Reply(message);
    } else if (interface == kControl && member == QLatin1String("SetActive")) {
      active_ = args.value(0).toBool();
      Emit(QStringLiteral("/org/freedesktop/ScreenSaver"), kScreenSaver, "ActiveChanged", active_);
      Emit(QStringLiteral("/org/gnome/ScreenSaver"), kGnomeLock, "ActiveChanged", active_);
      Reply(message);
    } else if (interface == kControl && (member == QLatin1String("Sleep") ||
                                         member == QLatin1String("Wake"))) {
      Emit(QStringLiteral("/org/freedesktop/login1"), kLogindManager, "PrepareForSleep",
           member == QLatin1String("Sleep"));
      Reply(message);
    } else if (interface == kControl && member == QLatin1String("Stall")) {
      stalled_ = args.value(0).toBool();
      Reply(message);
    } else {
      return false;
    }
    return true;
  }

 private:
  void Reply(const QDBusMessage& call, const QVariant& value = {}) {
    bus_.send(value.isValid() ? call.createReply(value) : call.createReply());
  }
  void Emit(const QString& path, const QString& interface, const char* name, bool value) {
    QDBusMessage signal = QDBusMessage::createSignal(path, interface, QString::fromLatin1(name));
    signal << value;
    bus_.send(signal);
  }

  QDBusConnection bus_;
  qint64 idleMs_ = 0;
  bool active_ = false;
  bool stalled_ = false;
};

// The notification area's watcher, as KDE Plasma and GNOME's AppIndicator extension serve it (what
// Qt asks of it).
class Watcher : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
  Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)

 public:
  bool hostRegistered() const { return true; }

 public slots:
  void RegisterStatusNotifierItem(const QString& service) {
    std::printf("item %s\n", qPrintable(service));
    std::fflush(stdout);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) return 2;
  QDBusConnection bus =
      QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]), QStringLiteral("desktop"));
  FakeDesktop desktop(bus);
  Watcher watcher;
  if (!bus.registerVirtualObject(QStringLiteral("/"), &desktop, QDBusConnection::SubPath)) return 1;
  QStringList names{kControl};
  for (int i = 2; i < argc; ++i) {
    const QString part = QString::fromLocal8Bit(argv[i]);
    if (part == QLatin1String("gnome")) names << kGnomeIdle << kGnomeLock;
    if (part == QLatin1String("freedesktop")) names << kScreenSaver;
    if (part == QLatin1String("logind")) names << QStringLiteral("org.freedesktop.login1");
    if (part == QLatin1String("watcher")) {
      // On a connection of its own: the fake desktop takes every path of the other.
      QDBusConnection tray = QDBusConnection::connectToBus(QString::fromLocal8Bit(argv[1]),
                                                           QStringLiteral("watcher"));
      if (!tray.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                               QDBusConnection::ExportAllContents) ||
          !tray.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")))
        return 1;
    }
  }
  for (const QString& name : names) {
    if (!bus.registerService(name)) return 1;
  }
  std::puts("ready");
  std::fflush(stdout);
  return app.exec();
}

#include "fake_desktop_bus.moc"
