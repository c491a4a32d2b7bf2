#pragma once
// The Summary window's chart: the period's bars stacked by project, hours up the side, a legend
// underneath, drawn in the program's colours and font. Labels under the bars are thinned out,
// never cut short, when the bars are too narrow for each to have one.
#include <QWidget>
#include <functional>

#include "summaries/summary.h"

namespace tw {

class SummaryChart : public QWidget {
 public:
  explicit SummaryChart(QWidget* parent);
  void SetData(ChartData data);
  const ChartData& data() const { return data_; }
  // Runs with the bar's index on a double-click on a bar.
  std::function<void(std::size_t)> onBarDoubleClicked;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The places the painting worked out: the plot, and each bar's slot in it.
  struct Layout {
    QRect plot;
    double slot = 0;
    double top = 1;  // hours at the top of the plot
    double step = 1;
    int legendTop = 0;
  };
  Layout LayoutNow() const;

  ChartData data_;
};

// Hours from zero to a round top, in steps of 1, 2 or 5 times a power of ten, at most `lines` of
// them: {top, step}.
std::pair<double, double> HourScale(double most, int lines);

}  // namespace tw
