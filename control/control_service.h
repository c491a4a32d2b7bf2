#pragma once
// The running program reachable from outside: the D-Bus service com.quillfen.Tallywright (object
// /com/quillfen/Tallywright, interface com.quillfen.Tallywright1) on the session bus, and the
// requests that come through the data folder's socket, with or without a bus. Both go to the same
// ViewTracker over the main window's view.
#include <QDBusContext>
#include <QObject>
#include <QSocketNotifier>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>

#include "control/control.h"
#include "control/view_tracker.h"
#include "platform/folder_owner.h"

namespace tw {

class ControlService : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "com.quillfen.Tallywright1")
  Q_PROPERTY(bool Running READ running)
  Q_PROPERTY(QString Project READ project)
  Q_PROPERTY(QString Start READ start)
  Q_PROPERTY(QString StartIso READ startIso)
  Q_PROPERTY(qlonglong Elapsed READ elapsed)
  Q_PROPERTY(QString Comment READ comment)

 public:
  // Answers the requests that come through the data folder's socket from now on; until a main
  // window is attached they are refused as too early.
  explicit ControlService(std::unique_ptr<FolderOwner> owner);
  // The main window the requests act on, through its view: shuttingDown tells when it is ending,
  // show brings it forward. PropertiesChanged follows ViewChanged from now on.
  void Attach(MainView& view, std::function<bool()> shuttingDown, std::function<void()> show);
  // The window's boxes changed. A change comes as several calls; they are announced once, together.
  // (Not a slot: the bus sees only the slots below.)
  void ViewChanged();
  // Takes the service's names on the session bus when there is one; false without a bus.
  bool Publish(const std::string& folderIdentity);

  bool running() const;
  QString project() const;
  QString start() const;
  QString startIso() const;
  qlonglong elapsed() const;
  QString comment() const;

 public slots:
  void Start(const QString& project, const QString& comment);
  void End();
  QVariantMap Status();
  QStringList Projects();
  void Show();

 private:
  // Runs a request; a refusal becomes the caller's D-Bus error.
  template <class Request>
  auto Answer(Request request) -> decltype(request());
  Tracker& tracker() const;
  TrackerStatus Snapshot() const;
  void AnnounceChanges();

  std::unique_ptr<ViewTracker> tracker_;
  std::unique_ptr<FolderOwner> owner_;
  std::unique_ptr<QSocketNotifier> requests_;
  TrackerStatus announced_;
  bool announcing_ = false;
};

}  // namespace tw
