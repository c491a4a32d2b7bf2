#include "desktop/qt_shell.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QIcon>
#include <QMouseEvent>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QWidget>

#include "platform/handles.h"
#include "desktop/qt_help_viewer.h"
#include "desktop/qt_text.h"
#include "platform/run_error.h"

namespace tw {
namespace {

// Handles in the shell's records stand for widgets (windows) and icons.
QWidget* WidgetOf(std::uint32_t handle) {
  return static_cast<QWidget*>(const_cast<void*>(ObjectOfHandle(handle)));
}
const QIcon* IconOf(std::uint32_t handle) { return static_cast<const QIcon*>(ObjectOfHandle(handle)); }

// The mouse message of a press on the icon, as the Windows shell reports it.
std::uint32_t MouseMessageOf(QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger: return WM_LBUTTONDOWN;
    case QSystemTrayIcon::Context: return WM_RBUTTONDOWN;
    case QSystemTrayIcon::DoubleClick: return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::MiddleClick: return WM_MBUTTONDOWN;
    default: return WM_MOUSEMOVE;
  }
}

}  // namespace

QtShell::QtShell() = default;
QtShell::~QtShell() {
  // A viewer with an owner window goes with it; one without goes with the shell.
  if (viewer_ && viewer_->parentWidget() == nullptr) delete viewer_.data();
}

void QtShell::Apply(const NOTIFYICONDATA& data) {
  if (data.uFlags & NIF_ICON) {
    const QIcon* icon = IconOf(data.hIcon);
    tray_->setIcon(icon ? *icon : QIcon());
  }
  if (data.uFlags & NIF_TIP) tray_->setToolTip(FromBytes(data.Tip()));
  record_ = data;
}

bool QtShell::Shell_NotifyIconA(std::uint32_t message, const NOTIFYICONDATA& data) {
  switch (message) {
    case NIM_ADD:
      if (tray_) return false;
      tray_ = std::make_unique<QSystemTrayIcon>();
      Apply(data);
      QObject::connect(tray_.get(), &QSystemTrayIcon::activated,
                       [this](QSystemTrayIcon::ActivationReason reason) { Report(MouseMessageOf(reason)); });
      QObject::connect(tray_.get(), &QSystemTrayIcon::messageClicked, [this] {
        if (onBalloonClick_) onBalloonClick_();
      });
      tray_->show();
      return true;
    case NIM_MODIFY:
      if (!tray_) return false;
      Apply(data);
      return true;
    case NIM_DELETE:
      if (!tray_) return false;
      tray_.reset();
      return true;
    default:
      return false;
  }
}

void QtShell::Report(std::uint32_t mouseMessage) const {
  if (!(record_.uFlags & NIF_MESSAGE) || record_.uCallbackMessage != WM_MOUSEMOVE) return;
  QWidget* receiver = WidgetOf(record_.hWnd);
  if (receiver == nullptr) return;
  const QPointF at(mouseMessage & 0xFFFF, 0);
  QMouseEvent move(QEvent::MouseMove, at, receiver->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(receiver, &move);
}

bool QtShell::SetForegroundWindow(std::uint32_t window) {
  QWidget* widget = WidgetOf(window);
  if (widget == nullptr) return false;
  widget->raise();
  widget->activateWindow();
  return true;
}

bool QtShell::HasNotificationArea() const {
  // Asked afresh each time: a panel with a notification area may come or go while the program runs.
  return tray_ && tray_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtShell::ShowBalloon(const std::string& title, const std::string& text) {
  if (!tray_) return false;
  tray_->showMessage(FromBytes(title), FromBytes(text), tray_->icon());
  return true;
}

void QtShell::OnBalloonClick(std::function<void()> onClick) { onBalloonClick_ = std::move(onClick); }

void QtShell::StartProgram(const std::string& path) {
  const QString program = FromBytes(path);
  const QFileInfo info(program);
  if (!info.exists()) throw RunError(kErrFileNotFound, "File not found");
  if (!info.isFile() || !info.isExecutable() || !QProcess::startDetached(program, {}))
    throw RunError(kErrPathAccess, "Path/File access error");
}

bool QtShell::WinHelpA(std::uint32_t window, const std::string& helpFile, std::uint32_t command,
                       const void* data) {
  if (command != HELP_CONTENTS && command != HELP_PARTIALKEY) return false;
  QWidget* owner = WidgetOf(window);
  if (viewer_ && viewer_->parentWidget() != owner) delete viewer_.data();
  if (!viewer_) viewer_ = new HelpViewer(owner);
  const QString file = FromBytes(helpFile);
  if (command == HELP_CONTENTS) {
    viewer_->ShowContents(file);
  } else {
    viewer_->ShowSearch(file, data ? FromBytes(static_cast<const char*>(data)) : QString());
  }
  return true;
}

}  // namespace tw
