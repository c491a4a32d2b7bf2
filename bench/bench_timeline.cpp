#include "bench/bench_timeline.h"

#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <map>
#include <vector>

#include "bench/bench_rows.h"
#include "desktop/qt_locale.h"
#include "platform/platform.h"
#include "state/program_state.h"
#include "store/data_folder.h"
#include "store/day_report.h"
#include "store/record_store.h"
#include "timeline/frm_timeline.h"
#include "timeline/timeline.h"
#include "viewer/frm_report.h"
#include "viewer/report_routines.h"

namespace tw::bench {

namespace {

// The processor time of this thread, which the other work of a shared machine leaves be.
double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The week (as the window makes it) with the most stretches among those of 2020 to 2021, and its
// busiest day.
std::pair<Period, DateTime> BusiestWeek(int firstWeekday) {
  const std::vector<StoredStretch> stretches =
      RecordStore::OfProgram().Stretches(Period{DayFromCivil({2020, 1, 1}), DayFromCivil({2021, 12, 31})});
  std::map<std::int64_t, int> perWeek, perDay;
  for (const StoredStretch& s : stretches) {
    ++perWeek[PeriodOf(PeriodKind::Week, s.start.day, firstWeekday).first];
    ++perDay[s.start.day];
  }
  const auto most = [](const std::map<std::int64_t, int>& counts) {
    return std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
  };
  const Period week = PeriodOf(PeriodKind::Week, most(perWeek)->first, firstWeekday);
  std::map<std::int64_t, int> days;
  for (std::int64_t d = week.first; d <= week.last; ++d) days[d] = perDay[d];
  return {week, DateTime{most(days)->first, 0}};
}

}  // namespace

void TimelineRows(const Files& files, const std::string& report, MainView& form, const std::string& records) {
  const DateFormat& format = *platform().dateFormat;
  const auto [week, day] = BusiestWeek(FirstWeekdayOf(QLocale()));

  // The window opened, filled, shown and drawn; the report window for the day the same way.
  frmTimeline* timeline = nullptr;
  const auto openTimeline = [&] {
    if (timeline) timeline->close();
    timeline = new frmTimeline(form, nullptr);
    timeline->ShowDays(day.day, true);
    timeline->show();
    QApplication::processEvents();
    timeline->grab();
  };
  const auto openReport = [&] {
    Setup::DisplayDate = day;
    QTimer::singleShot(0, [] {
      if (frmReport* window = frmReport::Loaded()) {
        window->grab();
        window->close();
      }
    });
    Setup::ShowReport(form, ReportWindows(), Setup::DisplayDate);
  };
  openReport();

  // The memory of the first opening, above what the program held with the report window shown once.
  ResetPeak();
  const long before = StatusKiB("VmRSS:");
  openTimeline();
  const long peak = StatusKiB("VmHWM:");
  Row("Timeline peak memory, a week, " + records, (peak - before) / 1024.0, "MiB", "resident before it, MiB",
      before / 1024.0, "<= 8 MiB");

  // The week's read by the store (the day before it too, for stretches into its first day) and its
  // blocks worked out, against the day report of its busiest day, by turns.
  std::size_t rows = 0, stretches = 0;
  const std::string machine = ProgramDataFolder().machine;
  const auto [dayReport, weekRead] = FastestPair(
      21, [&] { rows = ReadDayReport(files, report, day, format).rows.size(); },
      [&] { stretches = ReadTimeline(RecordStore::OfProgram(), machine, week, std::nullopt, 0).blocks.size(); });
  Row("timeline's week read, " + records + ", " + std::to_string(stretches) + " blocks", weekRead, "s",
      "day report of its busiest day", dayReport, "<= 1.5x");
  // The same by the processor time of this thread, which the other work of the machine leaves be.
  double dayProcessor = 1e9, weekProcessor = 1e9;
  for (int i = 0; i < 21; ++i) {
    double begin = ThreadSeconds();
    ReadDayReport(files, report, day, format);
    dayProcessor = std::min(dayProcessor, ThreadSeconds() - begin);
    begin = ThreadSeconds();
    ReadTimeline(RecordStore::OfProgram(), machine, week, std::nullopt, 0);
    weekProcessor = std::min(weekProcessor, ThreadSeconds() - begin);
  }
  Row("the same, processor time", weekProcessor, "s", "the day report's", dayProcessor, "<= 1.5x");
  const auto [reportShown, timelineShown] = FastestPair(7, openReport, openTimeline);
  Row("Timeline window for the week shown, " + std::to_string(rows) + " rows a day", timelineShown, "s",
      "report window for that day", reportShown, "<= 1.5x");

  // A block of the busiest day pressed in its middle and dragged down three pixels at a time: each
  // step the move handled and the whole view drawn again; Escape leaves the report as it was.
  TimelineView* view = timeline->view();
  int item = -1;
  for (std::size_t i = 0; i < view->items().size() && item < 0; ++i)
    if (view->items()[i].kind == TimelineItem::Stretch && view->items()[i].day == day.day &&
        view->items()[i].from >= MomentOf(DateTime{day.day, 11 * 3600}))
      item = static_cast<int>(i);
  std::vector<double> steps;
  double paintWorst = 0, processorWorst = 0;
  if (item >= 0) {
    view->Select(item);
    QPoint at = view->ItemRect(item).center();
    const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
      QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
      QApplication::sendEvent(view->viewport(), &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    for (int step = 0; step < 60; ++step) {
      at += QPoint(0, 3);
      QElapsedTimer timer;
      timer.start();
      const double processor = ThreadSeconds();
      send(QEvent::MouseMove, Qt::LeftButton);
      view->viewport()->repaint();
      processorWorst = std::max(processorWorst, ThreadSeconds() - processor);
      steps.push_back(timer.nsecsElapsed() / 1e9);
      paintWorst = std::max(paintWorst, view->LastPaintSeconds());
    }
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(view, &escape);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
  }
  std::sort(steps.begin(), steps.end());
  const double median = steps.empty() ? 0 : steps[steps.size() / 2], worst = steps.empty() ? 0 : steps.back();
  Row("a drag's redraw of the week, median of " + std::to_string(steps.size()), median, "s", "", 0, "< 0.016 s");
  Row("the same, slowest step", worst, "s", "", 0, "< 0.016 s");
  Row("the same, slowest step's processor time", processorWorst, "s", "", 0, "< 0.016 s");
  Row("the same, slowest paint alone", paintWorst, "s", "", 0, "");
  timeline->close();
  QApplication::processEvents();
}

}  // namespace tw::bench
