#include "viewer/report_routines.h"

#include <utility>

#include "errors/guard.h"
#include "platform/platform.h"
#include "store/changes.h"
#include "viewer/folder_report.h"
#include "platform/translate.h"

namespace tw {

std::string ReportCaption(const DateFormat& format, const DateTime& day) {
  return Arg(Tr("Report", "Report...   Date being displayed: %1 %2"),
             {format.WeekdayName(day), format.FormatNumericDate(day)});
}

}  // namespace tw

namespace Setup {

void ShowReport(tw::MainView& main, tw::ReportScreens& screens, const tw::DateTime& day,
                std::function<void()> afterClose) {
  using namespace tw;
  // Runs when this call is done with its window, however it leaves.
  struct Then {
    std::function<void()> action;
    ~Then() {
      if (action) action();
    }
  } then{std::move(afterClose)};

  Guard step("Setup/ShowReport");
  ReportWindow* window = screens.LoadedReport();
  DayReport report;
  bool noReport = false;
  const bool read = step([&] {
    noReport = FileMissing([&] { report = ReadDataDayReport(day); });
  });
  if (!read || noReport) {
    // The window that was showing goes, as a rebuilt one would not be shown.
    if (window) window->Unload();
    return;
  }

  const bool showing = window != nullptr;
  if (!showing && !step([&] { window = screens.NewReport(main); })) return;
  if (!window) return;
  window->Load(day);
  if (!step([&] { window->Fill(std::move(report)); })) {
    window->Unload();
    if (!showing) screens.Destroy(window);
    return;
  }
  if (showing) {
    // The window's own wait goes on; what follows this call happens when it closes.
    window->AtClose(std::exchange(then.action, nullptr));
    return;
  }
  step([&] { screens.ShowModal(window); });
  screens.Destroy(window);
}

void UpdateReport(tw::EntryAction action, int row, const tw::DateTime& day, tw::ReportScreens& screens) {
  using namespace tw;
  Platform& p = platform();
  ReportWindow* report = screens.LoadedReport();
  if (!report) return;  // no report window, no entry
  MainView& main = report->mainView();
  Guard step("Setup/UpdateReport");

  if (!step([&] { main.SetStatusText(Tr("Status", "Saving Changes...")); })) return;
  // The entry is the line its row came from, not every line that reads the same.
  std::optional<SourceLine> entry;
  const DayRow* at = nullptr;
  if (!step([&] {
        at = report->RowAt(row);
        if (!at) throw RunError(kErrInvalidCall, "There is no report entry at this row");
        entry = at->line;
      }))
    return;
  std::optional<std::string> replacement;
  if (action == EntryAction::Update) {
    if (!step([&] {
          const EntryEditor* editor = screens.LoadedEditor();
          if (!editor) throw RunError(kErrInvalidCall, "The entry editor is not open");
          replacement = EntryLine(editor->Entry());
        }))
      return;
    if (!replacement) entry.reset();  // a replacement that could not be read removes nothing
  }
  // One step: the new report is written whole and put in place by one rename, so a retry starts
  // afresh, and a skipped or abandoned rewrite leaves the report as it was.
  if (entry) {
    bool written = false;
    if (!step([&] {
          // In a folder shared by several machines no report is rewritten: the change is an
          // amendment in this machine's own. With no report file, the entry is no longer there.
          FileMissing([&] {
            written = Changes(*p.files, ProgramDataFolder(), kFromWindow, p.clock->UnixNow()).Change(RefOf(*at), replacement);
          });
        }))
      return;
    if (!written && !step.failed() &&
        !step([&] {
          p.dialogs->MsgBox(Tr("EntryEditor", kStaleEntryMessage), MsgStyle::OkOnly + MsgStyle::Exclamation,
                            kProductName);
        }))
      return;
  }
  if (!step([&] {
        if (EntryEditor* editor = screens.LoadedEditor()) editor->Unload();
      }))
    return;
  // "Ready" once the report window shown again is closed.
  step([&] { ShowReport(main, screens, day, [&main] { main.SetStatusText(Tr("Status", "Ready")); }); });
}

}  // namespace Setup
