#pragma once
// The frame the window manager draws around a top-level window (its border and caption), which the
// window's designed outer size includes. It is known only once the window is on the screen.
#include <QMargins>
#include <QObject>
#include <QRect>

class QTimer;
class QWidget;

namespace tw {

// False for a window the window manager draws no frame around (the splash window, a menu).
bool HasFrame(const QWidget* window);
// The frame window has on the screen, or a null one while it is not known.
QMargins FrameOf(const QWidget* window);
// The frame window has, or, before it is on the screen, the frame another window of the program
// has on the screen; a null one for a window without a frame.
QMargins LikelyFrame(const QWidget* window);

// What a window that keeps its outer rectangle knows and decides, as plain data a test can drive:
// the window tells it what the screen shows and does what it answers.
struct OuterKeeping {
  enum class State { Normal, Minimized, Maximized };  // maximized stands for full-screen too
  enum class Answer {
    Nothing,
    AskInside,   // ask for Inside() again
    Wait,        // the window manager is changing the window: wait until it is done, a second at most
    Unmaximize,  // the same, after asking for the normal state and Inside()
  };

  QRect outer;     // where the program or the user put the window, frame included
  QMargins frame;  // the frame of the normal state; null until known
  QRect asked;     // the inside last asked for
  // The window manager is changing the window (maximizing it, or framing it otherwise): what the
  // screen shows meanwhile (a screen-filling size, a frame without borders) is not the user's.
  bool settling = false;

  QRect Inside() const { return outer.marginsRemoved(frame); }
  // Sets the outer rectangle and returns the inside to ask for.
  QRect Place(const QRect& newOuter);
  // What the screen shows now: the window's inside, its frame (null while not known) and state.
  // The first frame seen is learned. A frame that changes, or a maximize, starts the settling,
  // which ends once the window is normal and framed as before. Otherwise a place or size that
  // differs from the one asked for by more than slack pixels (the rounding of a fractional
  // scaling) is the user's doing and is kept.
  Answer Seen(const QRect& inside, const QMargins& frameNow, State state, int slack);
  // The settling ends however the window manager left the window: its frame now (when it is
  // known and the window is normal) is the frame from now on. Returns the inside to ask for.
  QRect Settled(const QMargins& frameNow, State state);
};

// Keeps a top-level window's outer rectangle (frame, caption, menu bar and all) where the program
// or the user put it. Once the window manager's frame is known, the frame's room is taken from the
// inside, so the outer size stays the designed one. A window manager that maximizes the window
// anyway (it offers no maximize button, but a double click on the caption may do it) has the
// window back in its normal state and place, and nothing seen meanwhile is kept.
class KeptOuter : public QObject {
  Q_OBJECT

 public:
  explicit KeptOuter(QWidget* window);

  QRect Outer() const { return keeping_.outer; }
  void SetOuter(const QRect& outer);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Look();

  QWidget* window_;
  OuterKeeping keeping_;
  QTimer* settled_;
  bool looking_ = false;
};

}  // namespace tw
