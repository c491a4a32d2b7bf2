#pragma once
// The running program reachable from outside: the D-Bus service com.quillfen.Tallywright (object
// /com/quillfen/Tallywright, interface com.quillfen.Tallywright1) on the session bus, and the
// requests that come through the data folder's socket, with or without a bus. Both are requests of
// the main window's tracker (tracking/tracker.h).
//
// The object answers its messages itself, so that the bus sees exactly the interface described in
// com.quillfen.Tallywright1.xml (the installed file's text is the object's introspection), every
// refusal is an error of that interface, and a request that changes the stretch is carried out
// from the event loop, after the call has returned: its answer goes when the tracker is done (after
// the question about time away, if it asks one), and no event loop runs inside the call itself.
//
// The socket is served on a thread of its own, which reads each request whole (a half request holds
// up nobody but that thread), hands it to the window's thread and sends the answer.
#include <QDBusVirtualObject>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <memory>
#include <thread>

#include "control/control.h"
#include "tracking/tracker.h"

namespace tw {

// The interface's description as installed (com.quillfen.Tallywright1.xml), its <interface>
// element alone: what the object tells the bus it has.
QString ControlInterfaceXml();

class ControlService : public QDBusVirtualObject {
  Q_OBJECT

 public:
  ControlService();
  ~ControlService() override;

  // The tracker the requests act on: its changes are announced by PropertiesChanged, and its claim
  // on the data folder is served on the folder's socket, from now on and whenever it claims anew.
  // Until then every request is refused as Busy.
  void Attach(TrackerModel& tracker);
  // Called after the running program carried out a mending verb for tallywright-ctl, so that the
  // windows that do not follow the report's files show the change.
  void OnRecordChanged(std::function<void()> changed) { recordChanged_ = std::move(changed); }
  // Takes the service's names on the session bus when there is one; false without a bus.
  bool Publish(const std::string& folderIdentity);
  // The folder's own bus name follows the claim when the data folder moved.
  void FollowFolderName();

  QString introspect(const QString& path) const override;
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

 private:
  void AnnounceChanges();
  // Starts serving the tracker's claim on the socket, when it has one and no thread serves it yet.
  void Serve();
  void StopServing();
  void ServeOn(FolderOwner* owner);
  // A socket request answered on the window's thread.
  std::string AnswerHere(const std::string& request);
  // Answers the request the socket's thread waits with, on the window's thread.
  Q_INVOKABLE void AnswerWaiting();

  TrackerModel* tracker_ = nullptr;
  std::function<void()> recordChanged_;
  int subscription_ = -1;
  std::string published_;  // the folder identity whose bus name this copy holds
  TrackerStatus announced_;
  bool announcing_ = false;

  FolderOwner* served_ = nullptr;
  std::thread server_;
  std::atomic<bool> stopping_{false};
  int wake_[2] = {-1, -1};
  // A request taken by the socket's thread, and its answer from the window's thread.
  struct Exchange {
    std::mutex mutex;
    std::condition_variable done;
    std::optional<std::string> request, answer;
  } exchange_;
};

}  // namespace tw
