#include "summaries/summary_chart.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "desktop/qt_text.h"
#include "desktop/qt_translations.h"
#include "widgets/twips.h"

namespace tw {
namespace {

QColor SeriesColor(const ChartData& data, std::size_t s) {
  const Rgb& c = data.colours[s];
  return QColor(c.red, c.green, c.blue);
}

// The legend's entries in rows across the width: each entry's top-left corner.
std::vector<QPoint> LegendPlaces(const ChartData& data, const QFontMetrics& metrics, int width, int& rows) {
  std::vector<QPoint> places;
  const int box = metrics.height();
  int x = 0, y = 0;
  rows = data.series.empty() ? 0 : 1;
  for (const std::string& name : data.series) {
    const int entry = box + 4 + metrics.horizontalAdvance(FromBytes(name)) + 12;
    if (x > 0 && x + entry > width) {
      x = 0;
      y += box + 2;
      ++rows;
    }
    places.emplace_back(x, y);
    x += entry;
  }
  return places;
}

double BarTotal(const ChartData& data, std::size_t bar) {
  double total = 0;
  for (const auto& hours : data.hours) total += hours[bar];
  return total;
}

// A number of hours up the side ("1.5"), with the user's decimal separator as the window's tables.
QString HourLabel(double hours) {
  return QString::number(hours).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

}  // namespace

std::pair<double, double> HourScale(double most, int lines) {
  if (most <= 0) return {1, 1};
  const double raw = most / lines;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power;
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    step = factor * power;
    if (step >= raw) break;
  }
  return {std::ceil(most / step - 1e-9) * step, step};
}

SummaryChart::SummaryChart(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  PaintLightYellow(this);
}

void SummaryChart::SetData(ChartData data) {
  data_ = std::move(data);
  update();
}

SummaryChart::Layout SummaryChart::LayoutNow() const {
  const QFontMetrics metrics(font());
  Layout layout;
  double most = 0;
  for (std::size_t bar = 0; bar < data_.bars.size(); ++bar) most = std::max(most, BarTotal(data_, bar));
  std::tie(layout.top, layout.step) = HourScale(most, 5);
  int rows = 0;
  LegendPlaces(data_, metrics, width() - 8, rows);
  const int line = metrics.height();
  layout.legendTop = height() - rows * (line + 2) - 2;
  // Room for the widest number up the side: "1.5" is wider than the top "2".
  int widest = 0;
  for (double h = 0; h <= layout.top + 1e-9; h += layout.step)
    widest = std::max(widest, metrics.horizontalAdvance(HourLabel(h)));
  const int left = widest + 10;
  const int top = line * 3 / 2 + 4;  // room for "Hours"
  const int bottom = layout.legendTop - line - 10;
  layout.plot = QRect(left, top, std::max(1, width() - left - 6), std::max(1, bottom - top));
  layout.slot = data_.bars.empty() ? 0 : static_cast<double>(layout.plot.width()) / data_.bars.size();
  return layout;
}

void SummaryChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const Layout layout = LayoutNow();
  const QRect& plot = layout.plot;
  const int line = metrics.height();

  // Hours up the side, with a light line across at each step.
  painter.setPen(Qt::black);
  painter.drawText(QRect(0, 0, plot.left() + 40, line), Qt::AlignLeft, QTr("tw::SummaryChart", "Hours"));
  for (double h = 0; h <= layout.top + 1e-9; h += layout.step) {
    const int y = plot.bottom() - static_cast<int>(std::lround(h / layout.top * plot.height()));
    painter.setPen(QColor(214, 214, 170));
    painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, y - line / 2, plot.left() - 5, line), Qt::AlignRight | Qt::AlignVCenter,
                     HourLabel(h));
  }
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());

  // The bars, each project's part on the one before, and a label under every n-th bar so that
  // none is cut short.
  int widest = 0;
  for (const std::string& label : data_.bars) widest = std::max(widest, metrics.horizontalAdvance(FromBytes(label)));
  const std::size_t every =
      layout.slot > 0 ? std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil((widest + 6) / layout.slot))) : 1;
  for (std::size_t bar = 0; bar < data_.bars.size(); ++bar) {
    const double x = plot.left() + bar * layout.slot;
    const double width = std::max(1.0, layout.slot * 0.7);
    double below = 0;
    for (std::size_t s = 0; s < data_.series.size(); ++s) {
      const double hours = data_.hours[s][bar];
      if (hours <= 0) continue;
      const double y0 = plot.bottom() - below / layout.top * plot.height();
      const double y1 = plot.bottom() - (below + hours) / layout.top * plot.height();
      painter.fillRect(QRectF(x + (layout.slot - width) / 2, y1, width, y0 - y1), SeriesColor(data_, s));
      below += hours;
    }
    if (bar % every == 0)
      painter.drawText(QRectF(x + layout.slot / 2 - widest, plot.bottom() + 3, 2 * widest, line),
                       Qt::AlignHCenter | Qt::AlignTop, FromBytes(data_.bars[bar]));
  }
  if (data_.series.empty())
    painter.drawText(plot, Qt::AlignCenter, QTr("tw::SummaryChart", "No time recorded in this period"));

  // The legend: a box of each project's colour and its name.
  int rows = 0;
  const std::vector<QPoint> places = LegendPlaces(data_, metrics, width() - 8, rows);
  for (std::size_t s = 0; s < places.size(); ++s) {
    const QPoint at = places[s] + QPoint(4, layout.legendTop);
    painter.fillRect(QRect(at.x(), at.y() + 2, line - 4, line - 4), SeriesColor(data_, s));
    painter.drawText(QPoint(at.x() + line, at.y() + metrics.ascent()), FromBytes(data_.series[s]));
  }
}

void SummaryChart::mouseDoubleClickEvent(QMouseEvent* event) {
  const Layout layout = LayoutNow();
  const double x = event->position().x() - layout.plot.left();
  if (layout.slot <= 0 || x < 0 || !onBarDoubleClicked) return;
  const auto bar = static_cast<std::size_t>(x / layout.slot);
  if (bar < data_.bars.size()) onBarDoubleClicked(bar);
}

}  // namespace tw
