#include "timeline/timeline_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "desktop/qt_text.h"
#include "platform/platform.h"
#include "timeline/timeline_accessible.h"
#include "platform/translate.h"

namespace tw {
namespace {

constexpr int kPad = 4;

QColor ColourOf(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

const DateFormat& User() { return *platform().dateFormat; }

QString ShortTime(std::int64_t moment) { return FromBytes(User().FormatShortTime(LocalOf(moment))); }

// A colour between two others: `share` of b.
QColor Mix(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

// Moves a moment by whole days on the local clock, so a day later is the same time of day.
std::int64_t ByDays(std::int64_t moment, int days) {
  DateTime local = LocalOf(moment);
  local.day += days;
  return MomentOf(local);
}

}  // namespace

// The days' names and totals above the columns, which stay in view while the hours scroll.
class TimelineHeader : public QWidget {
 public:
  explicit TimelineHeader(TimelineView* view) : QWidget(view), view_(view) { setObjectName("timelineHeader"); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    view_->PaintHeader(painter, rect());
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip) {
      auto* help = static_cast<QHelpEvent*>(event);
      const TimelinePlan plan = view_->Plan();
      const auto at = MomentAt(plan, help->pos().x(), plan.top, 1);
      if (!at || at->beyond != Beyond::None || view_->timeline_.period.Days() <= 0) {
        QToolTip::hideText();
        return true;
      }
      const std::int64_t day = plan.columns[at->column].day;
      std::int64_t stretches = 0;
      for (const Block& b : view_->timeline_.blocks)
        if (b.stored && b.start.day == day) ++stretches;
      const DateTime d{day, 0};
      const std::int64_t hours = ColumnOf(day).Seconds() / 3600;
      QToolTip::showText(help->globalPos(),
                         FromBytes(Arg(TrN("Timeline", "%1: %2 in %n stretches", "%1: %2 in %n stretch", stretches),
                                       {User().WeekdayName(d) + " " + User().FormatNumericDate(d),
                                        User().FormatDuration(view_->timeline_.TotalOf(day))}) +
                                   (ColumnOf(day).Seconds() != 86400
                                        ? TrN("Timeline", ", a day of %n hours", ", a day of %n hour", hours)
                                        : "")),
                         this);
      return true;
    }
    return QWidget::event(event);
  }

 private:
  TimelineView* view_;
};

TimelineView::TimelineView(QWidget* parent) : QAbstractScrollArea(parent) {
  InstallTimelineAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setMouseTracking(true);
  viewport()->setBackgroundRole(QPalette::Base);
  header_ = new TimelineHeader(this);
  follow_.setInterval(700);
  connect(&follow_, &QTimer::timeout, this, [this] {
    if (!dragging_ || followSteps_ == 0 || !onStep) return;
    onStep(followSteps_);
    Follow(lastPointer_, lastModifiers_);
  });
  Layout();
}

TimelineView::~TimelineView() { TimelineItemsChanged(this, false); }

// --- sizes --------------------------------------------------------------------------------------

int TimelineView::HeaderHeight() const { return 3 * fontMetrics().height() + 2 * kPad; }

int TimelineView::Gutter() const { return gutter_; }

int TimelineView::HourHeight() const { return std::max(36, fontMetrics().height() * 5 / 2); }

TimelinePlan TimelineView::Plan() const {
  const int days = static_cast<int>(columns_.size());
  TimelinePlan plan;
  plan.columns = columns_;
  plan.left = Gutter();
  plan.top = fontMetrics().height() / 2 + kPad - verticalScrollBar()->value();
  plan.gap = days > 1 ? 3 : 0;
  plan.hourHeight = HourHeight();
  const double room = viewport()->width() - kPad - plan.left - plan.gap * std::max(days - 1, 0);
  plan.columnWidth = std::max(8.0, days > 0 ? room / days : room);
  return plan;
}

void TimelineView::Layout() {
  int widest = 0;
  for (int h = 0; h < 24; ++h)
    widest = std::max(widest, fontMetrics().horizontalAdvance(FromBytes(User().FormatShortTime({0, h * 3600}))));
  gutter_ = widest + 2 * kPad;
  setViewportMargins(0, HeaderHeight(), 0, 0);
  header_->setGeometry(frameWidth(), frameWidth(), viewport()->width(), HeaderHeight());
  TimelinePlan plan = Plan();
  const double scrolled = verticalScrollBar()->value();
  const int body = static_cast<int>(std::ceil(plan.Bottom() + scrolled + fontMetrics().height() / 2 + kPad));
  verticalScrollBar()->setRange(0, std::max(0, body - viewport()->height()));
  verticalScrollBar()->setPageStep(viewport()->height());
  verticalScrollBar()->setSingleStep(HourHeight() / 2);
}

void TimelineView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Layout();
}

void TimelineView::scrollContentsBy(int, int) { viewport()->update(); }

void TimelineView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
    Layout();
    header_->update();
  }
}

// --- the timeline shown ---------------------------------------------------------------------------

void TimelineView::SetTimeline(Timeline timeline, std::optional<std::int64_t> select) {
  // What is selected now, to find it again.
  std::optional<TimelineItem> was;
  std::optional<RecordId> wasId;
  bool wasRunning = false;
  if (selected_ >= 0 && selected_ < static_cast<int>(items_.size())) {
    was = items_[static_cast<std::size_t>(selected_)];
    if (was->kind == TimelineItem::Stretch) {
      const Block& b = timeline_.blocks[was->block];
      if (b.stored) wasId = b.stored->id;
      wasRunning = b.running;
    }
  }
  const bool samePeriod = timeline.period == timeline_.period;
  timeline_ = std::move(timeline);
  items_ = ItemsOf(timeline_);
  columns_ = PlanOf(timeline_.period.first, static_cast<int>(std::max<std::int64_t>(timeline_.period.Days(), 0))).columns;
  looks_.clear();
  looks_.reserve(timeline_.blocks.size());
  for (const Block& b : timeline_.blocks) {
    const auto colour = timeline_.colours.find(b.project);
    const Rgb rgb = colour == timeline_.colours.end() ? Rgb{127, 127, 127} : colour->second;
    const QColor fill = ColourOf(rgb), ink = ColourOf(TextColourOn(rgb));
    QColor hatch = ink;
    hatch.setAlpha(50);
    looks_.push_back({FromBytes(b.project), FromBytes(TimesText(b, User())), FromBytes(User().FormatShortTime(b.fromLocal)),
                      FromBytes(b.comment),
                      b.otherMachine ? tr("on %1").arg(FromBytes(b.device)) : QString(), fill, ink, fill.darker(150),
                      QBrush(hatch, Qt::BDiagPattern), QBrush(ink, Qt::Dense4Pattern)});
  }
  if (pending_ && !samePeriod) {
    // A key's change goes on into the next period; the block it changes is carried along.
  }
  int found = -1;
  for (std::size_t i = 0; i < items_.size() && found < 0; ++i) {
    const TimelineItem& item = items_[i];
    if (item.kind == TimelineItem::Stretch) {
      const Block& b = timeline_.blocks[item.block];
      if ((wasId && b.stored && b.stored->id == *wasId) || (wasRunning && b.running)) found = static_cast<int>(i);
    } else if (was && was->kind == TimelineItem::Gap && !select && samePeriod && item.from <= was->from && item.to > was->from) {
      found = static_cast<int>(i);
    }
  }
  if (found < 0 && select)
    for (std::size_t i = 0; i < items_.size() && found < 0; ++i)
      if (items_[i].from == *select && items_[i].kind == TimelineItem::Stretch) found = static_cast<int>(i);
  if (found < 0 && select)
    for (std::size_t i = 0; i < items_.size() && found < 0; ++i)
      if (items_[i].from <= *select && items_[i].to > *select) found = static_cast<int>(i);
  if (found < 0 && !items_.empty() && selected_ >= 0) found = std::min(selected_, static_cast<int>(items_.size()) - 1);
  selected_ = found;
  TimelineItemsChanged(this);
  Layout();
  header_->update();
  viewport()->update();
  if (hasFocus() && selected_ >= 0) Announce(QAccessible::Focus);
}

void TimelineView::Select(int index, bool reveal) {
  if (items_.empty()) return;
  index = std::clamp(index, 0, static_cast<int>(items_.size()) - 1);
  selected_ = index;
  if (!reveal) {
    viewport()->update();
    Announce(QAccessible::Focus);
    return;
  }
  // The item comes into view: its top, or as much of it as the view holds.
  const QRect r = ItemRect(index);
  const int value = verticalScrollBar()->value();
  if (r.top() < 0) verticalScrollBar()->setValue(value + r.top() - fontMetrics().height());
  else if (r.bottom() > viewport()->height())
    verticalScrollBar()->setValue(value + std::min(r.top() - fontMetrics().height(), r.bottom() - viewport()->height() + fontMetrics().height()));
  viewport()->update();
  Announce(QAccessible::Focus);
}

void TimelineView::ScrollTo(std::int64_t moment) {
  const TimelinePlan plan = Plan();
  for (const DayColumn& c : plan.columns)
    if (moment >= c.begins && moment <= c.ends) {
      const double y = plan.YOf(c, moment) + verticalScrollBar()->value();
      verticalScrollBar()->setValue(static_cast<int>(y - viewport()->height() / 3));
      return;
    }
}

QRect TimelineView::ItemRect(int index) const {
  if (index < 0 || index >= static_cast<int>(items_.size())) return {};
  const TimelineItem& item = items_[static_cast<std::size_t>(index)];
  const TimelinePlan plan = Plan();
  if (item.kind == TimelineItem::Stretch) {
    const Block& b = timeline_.blocks[item.block];
    for (const Piece& p : PiecesOf(plan, b.from, b.to, b.lane.lane, b.lane.lanes))
      return QRectF(p.box.x, p.box.y, p.box.width, std::max(p.box.height, 6.0)).toAlignedRect();
    return {};
  }
  const std::size_t column = static_cast<std::size_t>(item.day - timeline_.period.first);
  if (column >= plan.columns.size()) return {};
  const DayColumn& c = plan.columns[column];
  const double top = plan.YOf(c, item.from);
  return QRectF(plan.ColumnX(column), top, plan.columnWidth, plan.YOf(c, item.to) - top).toAlignedRect();
}

int TimelineView::ItemOfBlock(std::size_t block) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].kind == TimelineItem::Stretch && items_[i].block == block) return static_cast<int>(i);
  return -1;
}

int TimelineView::ItemAt(const QPoint& point) const {
  if (const auto hit = HitAt(point)) return ItemOfBlock(hit->block);
  const auto at = PointAt(point, 1);
  if (!at || at->beyond != Beyond::None) return -1;
  const std::int64_t day = Plan().columns[at->column].day;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].kind == TimelineItem::Gap && items_[i].day == day && items_[i].from <= at->moment && items_[i].to > at->moment)
      return static_cast<int>(i);
  return -1;
}

QString TimelineView::ItemText(int index) const {
  if (index < 0 || index >= static_cast<int>(items_.size())) return {};
  return FromBytes(ItemName(timeline_, items_[static_cast<std::size_t>(index)], User()));
}

void TimelineView::Announce(int event) { TimelineFocusMoved(this, selected_, static_cast<QAccessible::Event>(event)); }

// --- drawing --------------------------------------------------------------------------------------

void TimelineView::PaintHeader(QPainter& painter, const QRect& area) {
  const QPalette& pal = palette();
  painter.fillRect(area, pal.color(QPalette::Window));
  const TimelinePlan plan = Plan();
  const QFontMetrics metrics(font());
  QFont bold = font();
  bold.setBold(true);
  const QFontMetrics boldMetrics(bold);
  const std::int64_t today = platform().clock->Now().day;
  const int line = metrics.height();
  for (std::size_t i = 0; i < plan.columns.size(); ++i) {
    const std::int64_t day = plan.columns[i].day;
    const QRect cell(static_cast<int>(plan.ColumnX(i)), area.top(), static_cast<int>(plan.columnWidth), area.height());
    if (day == today) painter.fillRect(cell, Mix(pal.color(QPalette::Window), pal.color(QPalette::Highlight), 0.25));
    const DateTime d{day, 0};
    // The weekday in full where it fits, else its first letters; the date as the locale writes it.
    QString weekday = FromBytes(User().WeekdayName(d));
    if (metrics.horizontalAdvance(weekday) > cell.width() - 2) weekday = weekday.left(3);
    QString date = FromBytes(User().FormatNumericDate(d));
    if (metrics.horizontalAdvance(date) > cell.width() - 2) date = QString::number(CivilFromDay(day).day);
    const QString total = FromBytes(User().FormatDuration(timeline_.TotalOf(day)));
    painter.setPen(pal.color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(QRect(cell.left(), kPad, cell.width(), line), Qt::AlignHCenter | Qt::AlignTop,
                     metrics.elidedText(weekday, Qt::ElideRight, cell.width()));
    painter.drawText(QRect(cell.left(), kPad + line, cell.width(), line), Qt::AlignHCenter | Qt::AlignTop,
                     metrics.elidedText(date, Qt::ElideRight, cell.width()));
    painter.setFont(bold);
    painter.drawText(QRect(cell.left(), kPad + 2 * line, cell.width(), line), Qt::AlignHCenter | Qt::AlignTop,
                     boldMetrics.elidedText(total, Qt::ElideRight, cell.width()));
  }
  painter.setFont(font());
  painter.setPen(pal.color(QPalette::Mid));
  painter.drawLine(area.bottomLeft(), area.bottomRight());
}

void TimelineView::paintEvent(QPaintEvent* event) {
  QElapsedTimer timer;
  timer.start();
  QPainter painter(viewport());
  const QRect exposed = event->rect();
  const QPalette& pal = palette();
  const QColor base = pal.color(QPalette::Base), text = pal.color(QPalette::Text);
  painter.fillRect(exposed, base);
  const TimelinePlan plan = Plan();
  const QFontMetrics metrics(font());
  const int line = metrics.height();
  const QColor hourLine = Mix(base, text, 0.22), halfLine = Mix(base, text, 0.09);
  const std::int64_t now = platform().clock->UnixNow(), today = platform().clock->Now().day;

  // The hours up the side, as a day of 24 of them counts them.
  painter.setPen(Mix(base, text, 0.7));
  for (int h = 0; h <= 24; ++h) {
    const int y = static_cast<int>(plan.top + h * plan.hourHeight);
    if (y + line < exposed.top() || y - line > exposed.bottom()) continue;
    if (h < 24)
      painter.drawText(QRect(0, y - line / 2, static_cast<int>(plan.left) - kPad, line), Qt::AlignRight | Qt::AlignVCenter,
                       FromBytes(User().FormatShortTime({0, h * 3600})));
  }
  for (std::size_t i = 0; i < plan.columns.size(); ++i) {
    const DayColumn& c = plan.columns[i];
    const double x = plan.ColumnX(i);
    const double bottom = plan.YOf(c, c.ends);
    if (c.day == today) painter.fillRect(QRectF(x, plan.top, plan.columnWidth, bottom - plan.top), Mix(base, pal.color(QPalette::Highlight), 0.08));
    // Below a day of 23 hours: no time at all.
    if (bottom < plan.Bottom())
      painter.fillRect(QRectF(x, bottom, plan.columnWidth, plan.Bottom() - bottom), QBrush(hourLine, Qt::BDiagPattern));
    const std::vector<HourMark> marks = HourMarks(c);
    for (std::size_t m = 0; m < marks.size(); ++m) {
      const double y = plan.top + static_cast<double>(marks[m].offset) / 3600.0 * plan.hourHeight;
      painter.setPen(hourLine);
      painter.drawLine(QPointF(x, y), QPointF(x + plan.columnWidth, y));
      painter.setPen(halfLine);
      painter.drawLine(QPointF(x, y + plan.hourHeight / 2), QPointF(x + plan.columnWidth, y + plan.hourHeight / 2));
      // Where the clocks changed, the column names its own hours.
      if (marks[m].hour != static_cast<int>(m)) {
        painter.setPen(Mix(base, text, 0.7));
        painter.drawText(QRectF(x + 2, y, plan.columnWidth - 4, line), Qt::AlignLeft | Qt::AlignTop,
                         FromBytes(User().FormatShortTime({0, marks[m].hour * 3600})));
      }
    }
    painter.setPen(hourLine);
    painter.drawLine(QPointF(x, bottom), QPointF(x + plan.columnWidth, bottom));
  }

  const int selectedBlock = selected_ >= 0 && items_[static_cast<std::size_t>(selected_)].kind == TimelineItem::Stretch
                                ? static_cast<int>(items_[static_cast<std::size_t>(selected_)].block)
                                : -1;
  for (std::size_t i = 0; i < timeline_.blocks.size(); ++i)
    PaintBlock(painter, plan, i, exposed, static_cast<int>(i) == selectedBlock);
  // The selected free time.
  if (selected_ >= 0 && items_[static_cast<std::size_t>(selected_)].kind == TimelineItem::Gap) {
    QPen pen(pal.color(QPalette::Highlight), 2, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(ItemRect(selected_).adjusted(2, 1, -2, -1));
  }
  // Now, across today.
  for (std::size_t i = 0; i < plan.columns.size(); ++i)
    if (now >= plan.columns[i].begins && now < plan.columns[i].ends) {
      const double y = plan.YOf(plan.columns[i], now);
      painter.setPen(QPen(QColor(214, 39, 40), 2));
      painter.drawLine(QPointF(plan.ColumnX(i), y), QPointF(plan.ColumnX(i) + plan.columnWidth, y));
    }
  if (drag_ && dragging_) PaintChange(painter, *drag_);
  if (pending_) PaintChange(painter, *pending_);
  lastPaint_ = timer.nsecsElapsed() / 1e9;
}

void TimelineView::PaintBlock(QPainter& painter, const TimelinePlan& plan, std::size_t index, const QRect& exposed,
                              bool selected) {
  const Block& b = timeline_.blocks[index];
  const Looks& looks = looks_[index];
  const QFontMetrics metrics(font());
  const int line = metrics.height();
  const QColor &fill = looks.fill, &ink = looks.ink;
  for (const Piece& p : PiecesOf(plan, b.from, b.to, b.lane.lane, b.lane.lanes)) {
    // Whole pixels, which the painter fills the quick way.
    const int left = static_cast<int>(std::lround(p.box.x)) + 1, right = static_cast<int>(std::lround(p.box.Right())) - 1;
    const int top = static_cast<int>(std::lround(p.box.y));
    const int bottom = std::max(static_cast<int>(std::lround(p.box.Bottom())), top + 3);
    const QRect r(left, top, std::max(right - left, 1), bottom - top);
    if (!r.intersects(exposed)) continue;
    painter.fillRect(r, fill);
    if (b.otherMachine) painter.fillRect(r, looks.hatch);
    painter.setPen(looks.border);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    if (b.lane.overlaps) painter.fillRect(QRect(r.left(), r.top(), std::min(3, r.width()), r.height()), looks.stripe);
    if (b.running && p.endsHere) {
      // The running stretch's end is now: a ragged edge.
      painter.setPen(QPen(ink, 2, Qt::DotLine));
      painter.drawLine(QPoint(r.left() + 1, r.bottom() - 1), QPoint(r.right() - 1, r.bottom() - 1));
    }
    // Whole lines only, each as wide as the block lets it be; the tooltip holds them all.
    const QRect inner = r.adjusted(4 + (b.lane.overlaps ? 3 : 0), 1, -3, -1);
    if (inner.width() >= metrics.averageCharWidth() * 3 && inner.height() >= line) {
      // The times as they fit: in full, or the start alone.
      const int room = static_cast<int>(inner.width());
      const QString& times = metrics.horizontalAdvance(looks.times) > room ? looks.start : looks.times;
      const QString* lines[] = {&looks.project, &times, &looks.comment, &looks.device};
      int y = inner.top();
      QFont bold = font();
      bold.setBold(true);
      painter.setPen(ink);
      for (int k = 0; k < 4 && y + line <= inner.bottom() + 1; ++k) {
        if (lines[k]->isEmpty()) continue;
        const QFont& f = k == 0 ? bold : font();
        const QFontMetrics fm(f);
        const QString shown = fm.elidedText(*lines[k], Qt::ElideRight, room);
        if (shown.isEmpty() || shown == QString(QChar(0x2026))) break;
        painter.setFont(f);
        painter.drawText(QRect(inner.left(), y, inner.width(), line), Qt::AlignLeft | Qt::AlignTop, shown);
        y += line;
      }
      painter.setFont(font());
    }
    if (selected) {
      // On its border, clear of the text: the highlight's colour, with the ink's inside it while
      // the view has the focus.
      painter.setBrush(Qt::NoBrush);
      painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
      painter.drawRect(r.adjusted(1, 1, -1, -1));
      if (hasFocus()) {
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawRect(r.adjusted(2, 2, -3, -3));
      }
    }
  }
}

void TimelineView::PaintChange(QPainter& painter, const Change& change) {
  const TimelinePlan plan = Plan();
  QColor fill = palette().color(QPalette::Highlight);
  if (change.block) {
    const auto colour = timeline_.colours.find(change.block->project);
    if (colour != timeline_.colours.end()) fill = ColourOf(colour->second);
  }
  fill.setAlpha(150);
  const std::int64_t from = std::min(change.from, change.to), to = std::max(change.from, change.to);
  const QFontMetrics metrics(font());
  std::optional<QRectF> first;
  for (const Piece& p : PiecesOf(plan, from, to)) {
    const QRectF r(p.box.x + 1, p.box.y, p.box.width - 2, std::max(p.box.height, 3.0));
    painter.fillRect(r, fill);
    painter.setPen(QPen(palette().color(QPalette::Text), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r);
    if (!first) first = r;
  }
  if (!first) return;
  // The times beside it, in a box of their own that stays inside the view.
  const QString times = ShortTime(change.from) + " - " + ShortTime(change.to);
  QRect box(0, 0, metrics.horizontalAdvance(times) + 2 * kPad, metrics.height() + kPad);
  box.moveTopLeft(QPoint(static_cast<int>(first->left()) + kPad, static_cast<int>(first->top()) - box.height() - 2));
  if (box.top() < 0) box.moveTop(static_cast<int>(first->top()) + 2);
  if (box.right() > viewport()->width()) box.moveRight(viewport()->width() - 1);
  painter.fillRect(box, palette().color(QPalette::ToolTipBase));
  painter.setPen(palette().color(QPalette::ToolTipText));
  painter.drawRect(box.adjusted(0, 0, -1, -1));
  painter.drawText(box, Qt::AlignCenter, times);
}

void TimelineView::ShowReadout(const Change& change) {
  if (!onReadout) return;
  const DateFormat& user = User();
  QString text;
  if (change.to <= change.from) {
    text = tr("Start %1, end %2: it would end before it starts").arg(ShortTime(change.from), ShortTime(change.to));
  } else {
    // Weekdays where it crosses a day; an end at the next midnight is "midnight".
    const DateTime a = LocalOf(change.from), b = LocalOf(change.to);
    const bool midnight = b.day == a.day + 1 && b.seconds == 0, twoDays = b.day != a.day && !midnight;
    const QString start = (twoDays ? FromBytes(user.WeekdayName(a)) + " " : QString()) + ShortTime(change.from);
    const QString end = midnight ? tr("midnight") : (twoDays ? FromBytes(user.WeekdayName(b)) + " " : QString()) + ShortTime(change.to);
    text = tr("Start %1, end %2, length %3").arg(start, end, FromBytes(user.FormatDuration(change.to - change.from)));
  }
  if (pending_) text += tr(" (Enter saves, Escape leaves it)");
  onReadout(text);
}

// --- the mouse ------------------------------------------------------------------------------------

std::optional<PointedMoment> TimelineView::PointAt(const QPoint& point, int snap) const {
  return MomentAt(Plan(), point.x(), point.y(), snap);
}

int TimelineView::SnapFor(Qt::KeyboardModifiers modifiers) const {
  if (modifiers & Qt::ControlModifier) return 15;
  if (modifiers & Qt::ShiftModifier) return 5;
  return snap_;
}

std::optional<TimelineView::Hit> TimelineView::HitAt(const QPoint& point) const {
  const TimelinePlan plan = Plan();
  const double edge = std::max(4, fontMetrics().height() / 3);
  for (std::size_t i = timeline_.blocks.size(); i-- > 0;) {
    const Block& b = timeline_.blocks[i];
    for (const Piece& p : PiecesOf(plan, b.from, b.to, b.lane.lane, b.lane.lanes)) {
      const double height = std::max(p.box.height, 6.0);
      if (!(tw::Box{p.box.x, p.box.y, p.box.width, height}.Holds(point.x(), point.y()))) continue;
      Hit hit{i, Change::Move};
      // Its edges, where the block is tall enough to keep its middle too.
      if (height >= 3 * edge) {
        if (p.startsHere && point.y() - p.box.y <= edge) hit.part = Change::Start;
        else if (p.endsHere && p.box.y + height - point.y() <= edge) hit.part = Change::End;
      }
      return hit;
    }
  }
  return std::nullopt;
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  if (pending_) Cancel();
  const QPoint point = event->position().toPoint();
  pressedAt_ = point;
  dragging_ = false;
  drag_.reset();
  if (const auto hit = HitAt(point)) {
    Select(ItemOfBlock(hit->block), false);
    const Block& b = timeline_.blocks[hit->block];
    // The running stretch ends when EndProject is pressed: only its start moves.
    if (b.running && hit->part != Change::Start) return;
    const auto at = PointAt(point, 1);
    drag_ = Change{hit->part, b, at ? at->moment - b.from : 0, b.from, b.to};
    return;
  }
  if (const int item = ItemAt(point); item >= 0) Select(item, false);
  if (const auto at = PointAt(point, SnapFor(event->modifiers())); at && at->beyond == Beyond::None)
    drag_ = Change{Change::Add, std::nullopt, at->moment, at->moment, at->moment};
}

void TimelineView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (drag_ && (event->buttons() & Qt::LeftButton)) {
    if (!dragging_ && (point - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) dragging_ = true;
    if (dragging_) Follow(point, event->modifiers());
    return;
  }
  const auto hit = HitAt(point);
  viewport()->setCursor(hit && hit->part != Change::Move ? Qt::SizeVerCursor : Qt::ArrowCursor);
}

void TimelineView::Follow(const QPoint& point, Qt::KeyboardModifiers modifiers) {
  lastPointer_ = point;
  lastModifiers_ = modifiers;
  const int snap = SnapFor(modifiers);
  const auto at = PointAt(point, 1);
  if (!at || !drag_) return;
  Change& c = *drag_;
  const std::int64_t length = c.block ? c.block->to - c.block->from : 0;
  switch (c.kind) {
    case Change::Move:
      c.from = Snapped(at->moment - c.anchor, snap);
      c.to = c.from + length;
      break;
    case Change::Start:
      c.from = Snapped(at->moment, snap);
      break;
    case Change::End:
      c.to = Snapped(at->moment, snap);
      break;
    case Change::Add: {
      const std::int64_t m = Snapped(at->moment, snap);
      c.from = std::min(c.anchor, m);
      c.to = std::max(c.anchor, m);
      break;
    }
  }
  // Past the columns, the view follows to the next (or the last) period after a moment.
  const int steps = at->beyond == Beyond::After ? 1 : at->beyond == Beyond::Before ? -1 : 0;
  if (steps != followSteps_) {
    followSteps_ = steps;
    if (steps != 0) follow_.start();
    else follow_.stop();
  }
  // Near the top or the bottom, the hours scroll.
  const int margin = fontMetrics().height();
  if (point.y() < margin) verticalScrollBar()->setValue(verticalScrollBar()->value() - HourHeight() / 4);
  else if (point.y() > viewport()->height() - margin) verticalScrollBar()->setValue(verticalScrollBar()->value() + HourHeight() / 4);
  ShowReadout(c);
  viewport()->update();
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseReleaseEvent(event);
  if (drag_ && dragging_) {
    Follow(event->position().toPoint(), event->modifiers());
    FinishDrag();
  }
  drag_.reset();
  dragging_ = false;
}

void TimelineView::FinishDrag() {
  follow_.stop();
  followSteps_ = 0;
  const Change c = *drag_;
  drag_.reset();
  dragging_ = false;
  if (onReadout) onReadout("");
  viewport()->update();
  if (c.kind == Change::Add) {
    if (c.to - c.from >= 60 && onAdd) onAdd(LocalOf(c.from), LocalOf(c.to));
    return;
  }
  if ((c.from != c.block->from || c.to != c.block->to) && onMove) onMove(*c.block, LocalOf(c.from), LocalOf(c.to));
}

void TimelineView::Cancel() {
  follow_.stop();
  followSteps_ = 0;
  drag_.reset();
  dragging_ = false;
  pending_.reset();
  if (onReadout) onReadout("");
  viewport()->update();
}

void TimelineView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  drag_.reset();
  dragging_ = false;
  if (const auto hit = HitAt(point)) {
    if (onEdit) onEdit(timeline_.blocks[hit->block]);
    return;
  }
  const auto at = PointAt(point, SnapFor(event->modifiers()));
  if (!at || at->beyond != Beyond::None || !onAdd) return;
  // Half an hour, or up to the next stretch where that comes sooner.
  std::int64_t end = at->moment + 1800;
  for (const Block& b : timeline_.blocks)
    if (b.from > at->moment && b.from < end) end = b.from;
  onAdd(LocalOf(at->moment), LocalOf(end));
}

void TimelineView::contextMenuEvent(QContextMenuEvent* event) {
  std::optional<std::int64_t> at;
  if (event->reason() == QContextMenuEvent::Mouse) {
    const int item = ItemAt(event->pos());
    if (item >= 0) Select(item, false);
    if (const auto m = PointAt(event->pos(), snap_); m && m->beyond == Beyond::None) at = m->moment;
  }
  const QPoint where = event->reason() == QContextMenuEvent::Mouse
                           ? event->globalPos()
                           : viewport()->mapToGlobal(ItemRect(selected_).center());
  OpenMenu(where, at);
}

void TimelineView::OpenMenu(const QPoint& global, std::optional<std::int64_t> at) {
  QMenu menu(this);
  menu.setObjectName("mnuTimeline");
  const Block* block = nullptr;
  if (selected_ >= 0 && items_[static_cast<std::size_t>(selected_)].kind == TimelineItem::Stretch)
    block = &timeline_.blocks[items_[static_cast<std::size_t>(selected_)].block];
  if (block) {
    const Block copy = *block;
    QAction* edit = menu.addAction(tr("&Edit..."), this, [this, copy] { if (onEdit) onEdit(copy); });
    edit->setObjectName("mnuTimelineEdit");
    QAction* remove = menu.addAction(tr("&Delete"), this, [this, copy] { if (onDelete) onDelete(copy); });
    remove->setObjectName("mnuTimelineDelete");
    remove->setEnabled(!copy.running);
    menu.addSeparator();
  }
  QAction* add = menu.addAction(tr("&Add Stretch..."), this, [this, at] {
    if (at && onAdd) onAdd(LocalOf(*at), LocalOf(*at + 1800));
    else AddInSelection();
  });
  add->setObjectName("mnuTimelineAdd");
  menu.exec(global);
}

bool TimelineView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (const auto hit = HitAt(help->pos())) {
      QToolTip::showText(help->globalPos(), FromBytes(BlockTip(timeline_.blocks[hit->block], User())), viewport());
    } else if (const int item = ItemAt(help->pos()); item >= 0) {
      QToolTip::showText(help->globalPos(), ItemText(item) + "\n" + tr("Drag or double-click to add a stretch"), viewport());
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

// --- the keyboard ---------------------------------------------------------------------------------

void TimelineView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  if (selected_ < 0 && !items_.empty()) {
    // Coming in by Tab: the first stretch; backwards: the last.
    const bool back = event->reason() == Qt::BacktabFocusReason;
    int found = -1;
    for (std::size_t k = 0; k < items_.size(); ++k) {
      const std::size_t i = back ? items_.size() - 1 - k : k;
      if (items_[i].kind == TimelineItem::Stretch) {
        found = static_cast<int>(i);
        break;
      }
    }
    Select(found >= 0 ? found : 0);
  } else {
    Announce(QAccessible::Focus);
  }
  viewport()->update();
}

void TimelineView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

bool TimelineView::focusNextPrevChild(bool next) {
  // Tab goes from stretch to stretch in order of time, and on out of the view after the last.
  if (hasFocus() && !pending_) {
    const int step = next ? 1 : -1;
    for (int i = selected_ + step; i >= 0 && i < static_cast<int>(items_.size()); i += step)
      if (items_[static_cast<std::size_t>(i)].kind == TimelineItem::Stretch) {
        Select(i);
        return true;
      }
  }
  return QAbstractScrollArea::focusNextPrevChild(next);
}

void TimelineView::StepPending(Change::Kind kind, std::int64_t seconds) {
  if (selected_ < 0 || items_[static_cast<std::size_t>(selected_)].kind != TimelineItem::Stretch) return;
  if (!pending_) {
    const Block& b = timeline_.blocks[items_[static_cast<std::size_t>(selected_)].block];
    pending_ = Change{kind, b, 0, b.from, b.to};
  }
  Change& c = *pending_;
  if (c.block->running && kind != Change::Start) {
    if (onReadout) onReadout(tr("The running stretch ends when you press EndProject: only its start moves."));
    return;
  }
  const bool days = std::abs(seconds) >= 86400;
  const int step = SnapFor({});
  const auto moved = [&](std::int64_t m) {
    return days ? ByDays(m, static_cast<int>(seconds / 86400)) : Snapped(m + seconds, step);
  };
  switch (kind) {
    case Change::Move: {
      const std::int64_t length = c.to - c.from;
      c.from = moved(c.from);
      c.to = c.from + length;
      break;
    }
    case Change::Start:
      c.from = moved(c.from);
      break;
    case Change::End:
      c.to = moved(c.to);
      break;
    case Change::Add:
      break;
  }
  // The view follows the change into the next or the last period.
  const std::int64_t edge = kind == Change::End ? c.to : c.from;
  const Period& period = timeline_.period;
  const std::int64_t day = LocalOf(edge).day;
  if (onStep && (day > period.last || day < period.first)) onStep(day > period.last ? 1 : -1);
  ScrollTo(edge);
  ShowReadout(c);
  viewport()->update();
}

void TimelineView::CommitPending() {
  const Change c = *pending_;
  pending_.reset();
  if (onReadout) onReadout("");
  viewport()->update();
  if ((c.from != c.block->from || c.to != c.block->to) && onMove) onMove(*c.block, LocalOf(c.from), LocalOf(c.to));
}

void TimelineView::AddInSelection() {
  if (!onAdd) return;
  if (selected_ < 0) {
    const std::int64_t start = Snapped(platform().clock->UnixNow(), 15);
    onAdd(LocalOf(start - 1800), LocalOf(start));
    return;
  }
  const TimelineItem& item = items_[static_cast<std::size_t>(selected_)];
  if (item.kind == TimelineItem::Stretch) {
    const std::int64_t from = timeline_.blocks[item.block].to;
    onAdd(LocalOf(from), LocalOf(from + 1800));
    return;
  }
  // Free time of up to four hours whole; a longer one by its hour next to a stretch.
  std::int64_t from = item.from, to = item.to;
  if (to - from > 4 * 3600) {
    if (from == ColumnOf(item.day).begins) from = to - 3600;
    else to = from + 3600;
  }
  onAdd(LocalOf(from), LocalOf(to));
}

void TimelineView::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers();
  const bool alt = mods & Qt::AltModifier, shift = mods & Qt::ShiftModifier;
  const std::int64_t step = std::int64_t{snap_} * 60;
  const int count = static_cast<int>(items_.size());
  const auto stepPeriod = [&](int steps, bool toFirst) {
    if (!onStep) return;
    onStep(steps);
    if (!items_.empty()) Select(toFirst ? 0 : static_cast<int>(items_.size()) - 1);
  };
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
      const bool down = event->key() == Qt::Key_Down;
      if (alt) {
        StepPending(shift ? Change::End : Change::Start, down ? step : -step);
      } else if (!pending_) {
        if (selected_ < 0) Select(0);
        else if (down && selected_ + 1 >= count) stepPeriod(1, true);
        else if (!down && selected_ <= 0) stepPeriod(-1, false);
        else Select(selected_ + (down ? 1 : -1));
      }
      return;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
      const int dir = event->key() == Qt::Key_Right ? 1 : -1;
      if (alt) {
        StepPending(Change::Move, dir * step);
        return;
      }
      if (pending_ || selected_ < 0) return;
      // The same time of day in the next or the last day's column.
      const TimelineItem item = items_[static_cast<std::size_t>(selected_)];
      const std::int64_t target = ByDays(std::max(item.from, ColumnOf(item.day).begins), dir);
      const std::int64_t day = item.day + dir;
      if (!timeline_.period.Holds(day) && onStep) onStep(dir);
      for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        const TimelineItem& it = items_[static_cast<std::size_t>(i)];
        if (it.day == day && it.from <= target && (it.to > target || it.from == it.to)) {
          Select(i);
          return;
        }
      }
      for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        if (items_[static_cast<std::size_t>(i)].day == day) {
          Select(i);
          return;
        }
      return;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      if (alt) {
        StepPending(Change::Move, event->key() == Qt::Key_PageDown ? 86400 : -86400);
        return;
      }
      break;
    case Qt::Key_Home:
      if (!pending_ && count > 0) Select(0);
      return;
    case Qt::Key_End:
      if (!pending_ && count > 0) Select(count - 1);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (pending_) CommitPending();
      else if (selected_ >= 0 && items_[static_cast<std::size_t>(selected_)].kind == TimelineItem::Stretch) {
        if (onEdit) onEdit(timeline_.blocks[items_[static_cast<std::size_t>(selected_)].block]);
      } else {
        AddInSelection();
      }
      return;
    case Qt::Key_Insert:
      if (!pending_) AddInSelection();
      return;
    case Qt::Key_Delete:
      if (!pending_ && selected_ >= 0 && items_[static_cast<std::size_t>(selected_)].kind == TimelineItem::Stretch && onDelete)
        onDelete(timeline_.blocks[items_[static_cast<std::size_t>(selected_)].block]);
      return;
    case Qt::Key_Escape:
      if (pending_ || drag_) {
        Cancel();
        return;
      }
      break;
    case Qt::Key_Menu:
      OpenMenu(viewport()->mapToGlobal(ItemRect(selected_).center()), std::nullopt);
      return;
    default:
      break;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

}  // namespace tw
