#include "widgets/window_frame.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cmath>
#include <cstdlib>

namespace tw {

QMargins FrameOf(const QWidget* window) {
  const QWindow* handle = window->windowHandle();
  return handle != nullptr && window->isVisible() ? handle->frameMargins() : QMargins();
}

bool HasFrame(const QWidget* window) {
  const Qt::WindowType type = window->windowType();
  return !(window->windowFlags() & Qt::FramelessWindowHint) && type != Qt::SplashScreen &&
         type != Qt::Popup && type != Qt::ToolTip;
}

QMargins LikelyFrame(const QWidget* window) {
  if (!HasFrame(window)) return {};
  const QMargins own = FrameOf(window);
  if (!own.isNull()) return own;
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    const QMargins frame = other != window ? FrameOf(other) : QMargins();
    if (!frame.isNull()) return frame;
  }
  return {};
}

// --- OuterKeeping ------------------------------------------------------------------------------

QRect OuterKeeping::Place(const QRect& newOuter) {
  outer = newOuter;
  asked = Inside();
  return asked;
}

OuterKeeping::Answer OuterKeeping::Seen(const QRect& inside, const QMargins& frameNow, State state,
                                        int slack) {
  if (state == State::Maximized) {
    settling = true;
    return Answer::Unmaximize;
  }
  if (state != State::Normal) return Answer::Nothing;
  if (settling) {
    if (frameNow.isNull() || frameNow != frame) return Answer::Nothing;
    settling = false;
    return Answer::AskInside;
  }
  if (!frameNow.isNull() && frameNow != frame) {
    if (frame.isNull()) {
      frame = frameNow;
      return Answer::AskInside;
    }
    settling = true;
    return Answer::Wait;
  }
  const auto off = [slack](int seen, int wanted) { return std::abs(seen - wanted) > slack; };
  if (off(inside.x(), asked.x()) || off(inside.y(), asked.y())) {
    outer.moveTopLeft(inside.topLeft() - QPoint(frame.left(), frame.top()));
    asked.moveTopLeft(inside.topLeft());
  }
  if (off(inside.width(), asked.width()) || off(inside.height(), asked.height())) {
    outer.setSize(inside.marginsAdded(frame).size());
    asked.setSize(inside.size());
  }
  return Answer::Nothing;
}

QRect OuterKeeping::Settled(const QMargins& frameNow, State state) {
  settling = false;
  if (state == State::Normal && !frameNow.isNull()) frame = frameNow;
  asked = Inside();
  return asked;
}

// --- KeptOuter ---------------------------------------------------------------------------------

namespace {

// How far what the screen shows may lie from what was asked for by rounding alone: whole pixels
// of a fractional scaling are a pixel off either way.
int Slack(const QWidget* window) {
  const double ratio = window->devicePixelRatioF();
  return ratio == std::floor(ratio) ? 0 : 1;
}

OuterKeeping::State StateOf(const QWidget* window) {
  const Qt::WindowStates state = window->windowState();
  if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return OuterKeeping::State::Maximized;
  if (state & Qt::WindowMinimized) return OuterKeeping::State::Minimized;
  return OuterKeeping::State::Normal;
}

}  // namespace

KeptOuter::KeptOuter(QWidget* window) : QObject(window), window_(window), settled_(new QTimer(this)) {
  settled_->setSingleShot(true);
  settled_->setInterval(1000);
  connect(settled_, &QTimer::timeout, this, [this] {
    if (keeping_.settling) window_->setGeometry(keeping_.Settled(FrameOf(window_), StateOf(window_)));
  });
  window_->installEventFilter(this);
}

void KeptOuter::SetOuter(const QRect& outer) { window_->setGeometry(keeping_.Place(outer)); }

bool KeptOuter::eventFilter(QObject* watched, QEvent* event) {
  // The frame is known once the window manager has framed the window, which the window learns by
  // its first paint at the latest. What the screen shows is looked at once the events at hand are
  // handled.
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowStateChange:
      if (watched == window_ && !looking_) {
        looking_ = true;
        QTimer::singleShot(0, this, [this] { Look(); });
      }
      break;
    default:
      break;
  }
  return false;
}

void KeptOuter::Look() {
  looking_ = false;
  using Answer = OuterKeeping::Answer;
  switch (keeping_.Seen(window_->geometry(), FrameOf(window_), StateOf(window_), Slack(window_))) {
    case Answer::Nothing:
      break;
    case Answer::AskInside:
      window_->setGeometry(keeping_.asked = keeping_.Inside());
      break;
    case Answer::Unmaximize:
      window_->setWindowState(window_->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
      window_->setGeometry(keeping_.asked = keeping_.Inside());
      settled_->start();
      break;
    case Answer::Wait:
      settled_->start();
      break;
  }
}

}  // namespace tw
