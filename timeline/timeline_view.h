#pragma once
// The timeline's drawing: a column for each day of the period, the stretches as blocks in their
// projects' colours, the running one growing to now, the free time between them, each day's total
// above its column; the mouse moves, stretches and adds blocks, the keyboard does the same through
// the selection. It decides nothing about the record: it hands each finished change to the window.
#include <QAbstractScrollArea>
#include <QTimer>
#include <functional>
#include <optional>

#include "timeline/timeline.h"

namespace tw {

class TimelineView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TimelineView(QWidget* parent);
  ~TimelineView() override;

  // Shows a timeline. The selection stays on the same stretch (or free time) where it still is,
  // else on the item starting at `select`, else near where it was.
  void SetTimeline(Timeline timeline, std::optional<std::int64_t> select = std::nullopt);
  const Timeline& timeline() const { return timeline_; }
  const std::vector<TimelineItem>& items() const { return items_; }
  int Selected() const { return selected_; }
  // Selects an item, scrolled into view unless `reveal` is false (a click: what is under the
  // pointer stays there).
  void Select(int index, bool reveal = true);
  // The step drags and keys snap to, in minutes.
  void SetSnapMinutes(int minutes) { snap_ = minutes; }
  int SnapMinutes() const { return snap_; }
  // The columns as drawn now, in the viewport's coordinates.
  TimelinePlan Plan() const;
  // Where an item is drawn, in the viewport's coordinates (its first box).
  QRect ItemRect(int index) const;
  // Scrolls so that the moment stands in view.
  void ScrollTo(std::int64_t moment);
  // The time the last paint of the viewport took, in seconds, and the processor time of it.
  double LastPaintSeconds() const { return lastPaint_; }
  double LastPaintProcessorSeconds() const { return lastPaintProcessor_; }

  // What the window does with a finished change; each may show the timeline anew.
  std::function<void(const Block&, const DateTime& start, const DateTime& end)> onMove;
  std::function<void(const DateTime& start, const DateTime& end)> onAdd;
  std::function<void(const Block&)> onEdit;
  std::function<void(const Block&)> onDelete;
  // The view follows a drag or a key past its days: the window shows the period `steps` periods on.
  std::function<void(int steps)> onStep;
  // What a drag or a key's change shows meanwhile (start, end, length), and empty when it is done.
  std::function<void(const QString&)> onReadout;

  // A change made with Alt and the arrows waits for Enter (or Escape): whether one does.
  bool HasPendingChange() const { return pending_.has_value(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void changeEvent(QEvent* event) override;

 private:
  friend class TimelineHeader;
  friend class TimelineAccessible;
  friend class TimelineItemAccessible;

  // A change being made: a block dragged by its middle or an edge, free time dragged over, or a
  // key's change waiting for Enter.
  struct Change {
    enum Kind { Move, Start, End, Add } kind = Move;
    std::optional<Block> block;  // none for Add
    std::int64_t anchor = 0;     // Move: the pointer's moment less the block's start; Add: where it began
    std::int64_t from = 0, to = 0;  // the block's place now
  };

  void Layout();
  void PaintHeader(QPainter& painter, const QRect& area);
  void PaintBlock(QPainter& painter, const TimelinePlan& plan, std::size_t block, const QRect& exposed, bool selected);
  void PaintChange(QPainter& painter, const Change& change);
  int HeaderHeight() const;
  int Gutter() const;
  int HourHeight() const;
  // The block under a point (the last drawn, which stands on top), and the part of it.
  struct Hit {
    std::size_t block = 0;
    Change::Kind part = Change::Move;
  };
  std::optional<Hit> HitAt(const QPoint& point) const;
  std::optional<PointedMoment> PointAt(const QPoint& point, int snap) const;
  int SnapFor(Qt::KeyboardModifiers modifiers) const;
  int ItemOfBlock(std::size_t block) const;
  int ItemAt(const QPoint& point) const;
  void Follow(const QPoint& point, Qt::KeyboardModifiers modifiers);
  void FinishDrag();
  void Cancel();
  void StepPending(Change::Kind kind, std::int64_t seconds);
  void CommitPending();
  void ShowReadout(const Change& change);
  void AddInSelection();
  void OpenMenu(const QPoint& global, std::optional<std::int64_t> at);
  void Announce(int event);
  QString ItemText(int index) const;

  // What each block shows, worked out once for each timeline shown.
  struct Looks {
    QString project, times, start, comment, device;
    QColor fill, ink, border;
    QBrush hatch, stripe;
  };

  Timeline timeline_;
  std::vector<TimelineItem> items_;
  std::vector<DayColumn> columns_;  // the period's days
  std::vector<Looks> looks_;        // of each block
  int gutter_ = 0;
  int selected_ = -1;
  int snap_ = 1;
  std::optional<Change> drag_;     // pressed, maybe not yet moved far enough to be a drag
  bool dragging_ = false;
  QPoint pressedAt_;
  std::optional<Change> pending_;  // a key's change
  QTimer follow_;                  // steps the period while a drag stays past the columns
  int followSteps_ = 0;
  QPoint lastPointer_;
  Qt::KeyboardModifiers lastModifiers_;
  QWidget* header_ = nullptr;
  double lastPaint_ = 0, lastPaintProcessor_ = 0;
};

}  // namespace tw
