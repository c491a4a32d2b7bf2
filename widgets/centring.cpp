#include "widgets/centring.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

#include "platform/platform.h"
#include "state/placement.h"
#include "widgets/twips.h"
#include "widgets/window_frame.h"

namespace tw {
namespace {

// The frame's top-left corner that centres an outer size (pixels) on the screen.
QPoint CentredCorner(QSize outer) {
  const System& system = *platform().system;
  return {TwipsToPixels(CenteredEdge(system.ScreenWidthTwips(), PixelsToTwips(outer.width()))),
          TwipsToPixels(CenteredEdge(system.ScreenHeightTwips(), PixelsToTwips(outer.height())))};
}

// Waits for the window's own frame; where it differs from the frame the window was centred with,
// and nothing has moved the window since, centres it again.
class Recentring : public QObject {
 public:
  static constexpr const char* kName = "qt_recentring";

  Recentring(QWidget* window, QSize inside, QMargins frame, QPoint corner)
      : QObject(window), window_(window), inside_(inside), frame_(frame), corner_(corner) {
    setObjectName(kName);
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (watched == window_ && !looking_ &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize || type == QEvent::Paint)) {
      looking_ = true;
      QTimer::singleShot(0, this, [this] { Look(); });
    }
    return false;
  }

 private:
  void Look() {
    looking_ = false;
    const QMargins frame = FrameOf(window_);
    if (frame.isNull()) return;
    const QPoint moved = window_->pos() - corner_;
    if (frame != frame_ && moved.manhattanLength() <= 2)
      window_->move(CentredCorner(inside_.grownBy(frame)));
    deleteLater();
  }

  QWidget* window_;
  QSize inside_;
  QMargins frame_;
  QPoint corner_;
  bool looking_ = false;
};

}  // namespace

void CenterOnScreen(QWidget* window, double widthTwips, double heightTwips) {
  // A window centred again drops what waited for its frame before.
  for (QObject* earlier : window->findChildren<QObject*>(Recentring::kName, Qt::FindDirectChildrenOnly))
    delete earlier;
  const QSize inside(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
  const QMargins frame = LikelyFrame(window);
  // The position of a window is that of its frame's top-left corner.
  const QPoint corner = CentredCorner(inside.grownBy(frame));
  window->move(corner);
  if (HasFrame(window) && FrameOf(window).isNull()) new Recentring(window, inside, frame, corner);
}

void CenterOnScreen(QWidget* window) {
  CenterOnScreen(window, PixelsToTwips(window->width()), PixelsToTwips(window->height()));
}

}  // namespace tw
